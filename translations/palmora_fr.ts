<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Palmora is a learn-and-test yourself on palmistry software. It is a simple aid for novices who are starting out in the study of palmistry or hand reading, and it helps beginners learn the basics and then test how well they understand them.</source>
        <translation>Palmora est un logiciel pour apprendre la chiromancie et vous tester vous-même. C’est une aide simple pour les novices qui abordent l’étude de la chiromancie, ou lecture des mains&#xa0;: il aide les débutants à en apprendre les bases, puis à vérifier ce qu’ils en ont compris.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une occasion de travailler chez vous&#xa0;: lancez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Palmora v%1</source>
        <translation>Palmora v%1</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Parlez-en à un ami</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Envoyer maintenant</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Vesper Softwares</source>
        <translation>Téléchargez Vesper Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vesper Softwares</source>
        <translation>Cliquez ici pour visiter Vesper Softwares</translation>
    </message>
</context>
<context>
    <name>ExitTexts</name>
    <message>
        <source>Vesper Softwares, such as this can be created and kept free only with the help of people like you. Please visit our forum often, join in the discussions, share what you know and ask about whatever you would still like to learn.</source>
        <translation>Les logiciels Vesper Softwares comme celui-ci ne restent gratuits que grâce à des personnes comme vous. Venez souvent sur notre forum, participez aux discussions, partagez ce que vous savez et posez vos questions.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support the forum that keeps this software free: read the newest threads, answer a question whenever you can and tell others what you have learnt. Your posts help us all.</source>
        <translation>Venez souvent sur %1. Soutenez le forum qui garde ce logiciel gratuit : lisez les dernières discussions, répondez à une question quand vous le pouvez et partagez ce que vous avez appris.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for curious people. Drop in often, post your questions and answers, and help keep free software alive.</source>
        <translation>%1 est un forum de discussion en ligne GRATUIT pour les esprits curieux. Passez souvent, publiez vos questions et vos réponses, et aidez à faire vivre les logiciels gratuits.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit the forum regularly, take part in a discussion or two and bring a friend along. Every visit helps us create more free programs.</source>
        <translation>%1 a besoin de votre aide. Il vous suffit de venir régulièrement sur le forum, de participer à une discussion ou deux et d’y amener un ami. Chaque visite nous aide à créer d’autres programmes gratuits.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will like the other programs we make. Star Chart Tutor walks you through the signs of the zodiac and the meaning of each house. Number Lore teaches the basics of numerology with short lessons and quick quizzes. Dream Journal Keeper lets you note your dreams and look back on them later. Face Reading Primer shows what the features of a face are said to reveal, and Herb Garden Notes helps you plan a small garden. Every one of them is free to download, simple to learn and small enough for any computer. Visit our software page to see the full list and fetch the ones you like.</source>
        <translation>Si ce logiciel vous a plu, vous aimerez nos autres programmes. Star Chart Tutor vous guide parmi les signes du zodiaque et le sens de chaque maison. Number Lore enseigne les bases de la numérologie en courtes leçons et petits quiz. Dream Journal Keeper vous permet de noter vos rêves pour les relire plus tard. Face Reading Primer montre ce que les traits du visage sont censés révéler, et Herb Garden Notes vous aide à organiser un petit jardin. Tous sont gratuits, simples à prendre en main et assez légers pour n’importe quel ordinateur. Visitez notre page de logiciels pour les télécharger.</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Another copy of Palmora kept the file busy.</source>
        <translation>Une autre copie de Palmora occupait le fichier.</translation>
    </message>
    <message>
        <source>Palmora may not write in the folder %1.</source>
        <translation>Palmora n’a pas le droit d’écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>The disk that holds the folder %1 is full.</source>
        <translation>Le disque qui contient le dossier %1 est plein.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made.</source>
        <translation>Le verrou %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made: %2</source>
        <translation>Le verrou %1 n’a pas pu être créé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FileTrust</name>
    <message>
        <source>%1 cannot be found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 cannot be examined.</source>
        <translation>%1 ne peut pas être examiné.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>Other users can change %1.</source>
        <translation>D’autres utilisateurs peuvent modifier %1.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is a link that another user made, and Palmora does not follow it.</source>
        <translation>%1 est un lien créé par un autre utilisateur&#xa0;; Palmora ne le suit pas.</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be followed: %2</source>
        <translation>%1 est un lien qui ne peut pas être suivi&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>It is a link to %1, and that file cannot be made: %2</source>
        <translation>C’est un lien vers %1, et ce fichier ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>This is Goal %1.</source>
        <translation>Ceci est le but %1.</translation>
    </message>
    <message>
        <source>There is no folder for the goal notes.</source>
        <translation>Il n’y a pas de dossier pour les notes de buts.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It holds more than %1 characters, more than a goal note may hold.</source>
        <translation>Il contient plus de %1 caractères, soit davantage que ce qu’une note de but peut contenir.</translation>
    </message>
</context>
<context>
    <name>GoalFolders</name>
    <message>
        <source>Goal notes are not kept in %1, since it is not yours alone: %2</source>
        <translation>Les notes de buts ne sont pas conservées dans %1, car ce dossier n’est pas réservé à vous seul&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Goal</source>
        <translation>Buts</translation>
    </message>
    <message>
        <source>Goal 1</source>
        <translation>But 1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Goal 2</source>
        <translation>But 2</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>&amp;Retour au menu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une occasion de travailler chez vous&#xa0;: lancez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site web. Cliquez pour en savoir plus.</translation>
    </message>
    <message>
        <source>Palmora helps you learn the basics of palm reading and the interpretation of the different lines on your hands. </source>
        <translation>Palmora vous aide à apprendre les bases de la lecture des mains et à interpréter les différentes lignes de vos mains. </translation>
    </message>
    <message>
        <source>This software is a great tool for beginners and novices who are new to the fascinating world of palmistry.</source>
        <translation>Ce logiciel est un excellent outil pour les débutants et les novices qui découvrent le monde fascinant de la chiromancie.</translation>
    </message>
    <message>
        <source>Select one of the three options to start the learning process.</source>
        <translation>Choisissez l’une des trois options pour commencer votre apprentissage.</translation>
    </message>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Étudier la chiromancie</translation>
    </message>
    <message>
        <source>Test Myself on Palmistry</source>
        <translation>Me tester en chiromancie</translation>
    </message>
    <message>
        <source>Set Goals</source>
        <translation>Mes buts</translation>
    </message>
    <message>
        <source>&amp;Click Here To Proceed</source>
        <translation>&amp;Cliquez pour continuer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dons</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Gagner de l’argent</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Palmora</source>
        <translation>Palmora</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>My Progress</source>
        <translation>Ma progression</translation>
    </message>
    <message>
        <source>How often you answered each topic right, the weakest first:</source>
        <translation>Combien de fois vous avez réussi chaque sujet, les plus faibles d’abord&#xa0;:</translation>
    </message>
    <message>
        <source>Your record on each topic</source>
        <translation>Votre bilan sur chaque sujet</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>By Significance</source>
        <translation>Par signification</translation>
    </message>
    <message>
        <source>By Location / Shape</source>
        <translation>Par position / forme</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your name can have at most %1 characters.</source>
        <translation>Votre nom peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Your email address can have at most %1 characters.</source>
        <translation>Votre adresse e-mail peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Your message can have at most %1 characters.</source>
        <translation>Votre message peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Your friend&apos;s name can have at most %1 characters.</source>
        <translation>Le nom de votre ami peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Your friend&apos;s email address can have at most %1 characters.</source>
        <translation>L’adresse e-mail de votre ami peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Shorten Your Entries</source>
        <translation>Veuillez raccourcir vos saisies</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>ResultHistory</name>
    <message>
        <source>It is damaged, or it is not a file of test results.</source>
        <translation>Il est endommagé, ou ce n’est pas un fichier de résultats de tests.</translation>
    </message>
    <message>
        <source>It was written by another version of Palmora.</source>
        <translation>Il a été écrit par une autre version de Palmora.</translation>
    </message>
    <message>
        <source>It is damaged: its list of results is missing.</source>
        <translation>Il est endommagé&#xa0;: sa liste de résultats est absente.</translation>
    </message>
    <message>
        <source>It is damaged: result %1 cannot be read.</source>
        <translation>Il est endommagé&#xa0;: le résultat %1 est illisible.</translation>
    </message>
    <message>
        <source>It is larger than a file of test results can be.</source>
        <translation>Il est plus volumineux qu’un fichier de résultats de tests ne peut l’être.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Other users can change the folder %1.</source>
        <translation>D’autres utilisateurs peuvent modifier le dossier %1.</translation>
    </message>
    <message>
        <source>Every name for setting it aside is taken already.</source>
        <translation>Tous les noms prévus pour le mettre de côté sont déjà pris.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>The file name is too long. A name in this folder can have at most %1 letters, fewer if some are accented or not Latin. Choose a shorter name.</source>
        <translation>Le nom du fichier est trop long. Dans ce dossier, un nom peut compter au plus %1 lettres, moins si certaines sont accentuées ou non latines. Choisissez un nom plus court.</translation>
    </message>
</context>
<context>
    <name>TestKinds</name>
    <message>
        <source>missed topics by name</source>
        <translation>sujets manqués par nom</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>par nom</translation>
    </message>
    <message>
        <source>missed topics by significance</source>
        <translation>sujets manqués par signification</translation>
    </message>
    <message>
        <source>by significance</source>
        <translation>par signification</translation>
    </message>
    <message>
        <source>missed topics by location / shape</source>
        <translation>sujets manqués par position / forme</translation>
    </message>
    <message>
        <source>by location / shape</source>
        <translation>par position / forme</translation>
    </message>
    <message>
        <source>weakest topics by name</source>
        <translation>points faibles par nom</translation>
    </message>
    <message>
        <source>weakest topics by significance</source>
        <translation>points faibles par signification</translation>
    </message>
    <message>
        <source>weakest topics by location / shape</source>
        <translation>points faibles par position / forme</translation>
    </message>
</context>
<context>
    <name>TestOptionsPage</name>
    <message>
        <source>Test Options</source>
        <translation>Options du test</translation>
    </message>
    <message>
        <source>Now prepare yourself for the test!</source>
        <translation>Et maintenant, préparez-vous pour le test&#xa0;!</translation>
    </message>
    <message>
        <source>Select one option below and click on the button to continue.</source>
        <translation>Choisissez une option ci-dessous, puis cliquez sur le bouton pour continuer.</translation>
    </message>
    <message>
        <source>See the Image and Choose the Name of the Line / Shape from the given options.</source>
        <translation>Regardez l’image et choisissez, parmi les propositions, le nom de la ligne / forme.</translation>
    </message>
    <message>
        <source>Test By Name of Line / Shape</source>
        <translation>Test par nom de ligne / forme</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Significance of the Line / Shape from the given options.</source>
        <translation>Regardez l’image et choisissez, parmi les propositions, la signification qui correspond à la ligne / forme.</translation>
    </message>
    <message>
        <source>Test By Significance</source>
        <translation>Test par signification</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Location / Shape from the given options.</source>
        <translation>Regardez l’image et choisissez, parmi les propositions, la position / forme qui correspond.</translation>
    </message>
    <message>
        <source>Test By Location / Shape</source>
        <translation>Test par position / forme</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>&amp;Retour au menu</translation>
    </message>
    <message>
        <source>&amp;Click Here To Start The Test</source>
        <translation>&amp;Cliquez pour commencer le test</translation>
    </message>
    <message>
        <source>Your last results</source>
        <translation>Vos derniers résultats</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>Ma &amp;progression</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Vos scores au fil du temps et combien de fois vous avez réussi chaque sujet</translation>
    </message>
    <message>
        <source>Test My &amp;Weakest Topics</source>
        <translation>&amp;Tester mes points faibles</translation>
    </message>
    <message>
        <source>A test of the chosen kind of the ten topics you answered right least often</source>
        <translation>Un test, du type choisi, sur les dix sujets que vous avez le moins souvent réussis</translation>
    </message>
</context>
<context>
    <name>TestQuestionPage</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Name of Line / Shape</source>
        <translation>Nom de la ligne / forme</translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation>&amp;Question suivante</translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source>Your Answer:</source>
        <translation>Votre réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Correct Choice: </source>
        <translation>Bonne réponse&#xa0;: </translation>
    </message>
    <message>
        <source>%1 Correct out of 10 Questions</source>
        <translation>Bonnes réponses&#xa0;: %1 sur 10 questions</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Rapport généré par %1</translation>
    </message>
    <message>
        <source>A test of the topics you missed in your last test</source>
        <translation>Un test des sujets manqués lors de votre dernier test</translation>
    </message>
    <message>
        <source>%1 Correct out of 1 Question</source>
        <translation>Bonnes réponses&#xa0;: %1 sur 1 question</translation>
    </message>
    <message>
        <source>%1 Correct out of %2 Questions</source>
        <translation>Bonnes réponses&#xa0;: %1 sur %2 questions</translation>
    </message>
    <message>
        <source>A test of the topics you have answered right least often</source>
        <translation>Un test des sujets que vous avez le moins souvent réussis</translation>
    </message>
</context>
<context>
    <name>TestResultPage</name>
    <message>
        <source>Test Result</source>
        <translation>Résultat du test</translation>
    </message>
    <message>
        <source>&amp;Print Test Results</source>
        <translation>&amp;Imprimer les résultats</translation>
    </message>
    <message>
        <source>&amp;Start Test Once More</source>
        <translation>&amp;Refaire le test</translation>
    </message>
    <message>
        <source>&amp;Repeat The Missed Topics</source>
        <translation>Reprendre les sujets &amp;manqués</translation>
    </message>
    <message>
        <source>A test of just the topics answered wrong, asked in the same way</source>
        <translation>Un test limité aux sujets auxquels vous avez mal répondu, avec le même type de questions</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>Ma &amp;progression</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Vos scores au fil du temps et combien de fois vous avez réussi chaque sujet</translation>
    </message>
</context>
<context>
    <name>TopicBrowser</name>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Étudier la chiromancie</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Shape / Location</source>
        <translation>Forme / position</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>&amp;Retour au menu</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Your record on this topic</source>
        <translation>Votre bilan sur ce sujet</translation>
    </message>
</context>
<context>
    <name>TopicData</name>
    <message>
        <source>Shape of Hands - Square Hand</source>
        <translation>Forme des mains – main carrée</translation>
    </message>
    <message>
        <source>You will be orderly, punctual and precise in everything you do. You respect rules, value routine and like to see a plan through to the end. You are practical and reliable, trusted to keep your word. You may be cautious with new ideas until they are tested, but once convinced you work steadily and very well.</source>
        <translation>Vous serez ordonné, ponctuel et précis dans tout ce que vous faites. Vous respectez les règles, appréciez la routine et aimez mener un projet jusqu’au bout. Vous êtes pratique et fiable, et l’on vous fait confiance pour tenir parole. Vous vous méfiez parfois des idées nouvelles tant qu’elles n’ont pas fait leurs preuves, mais une fois convaincu, vous travaillez avec constance et très bien.</translation>
    </message>
    <message>
        <source>The palm is square at the wrist, square at the finger base, and each fingertip is square as well.</source>
        <translation>La paume est carrée au poignet comme à la base des doigts, et chaque bout de doigt est carré lui aussi.</translation>
    </message>
    <message>
        <source>Shape of Hands - Spatulate Hand</source>
        <translation>Forme des mains – main spatulée</translation>
    </message>
    <message>
        <source>If hard and firm, you will be restless, energetic and full of drive. You love action, invention and discovery, and you are happiest building something new or exploring places you have not seen. You are independent and original, and you do not follow custom simply because others do. If the hand is soft and flabby, that energy shows in bursts: you start many projects with great excitement but may tire of them quickly. Either way, you think for yourself, enjoy practical work with tools and machines, and admire courage in others.</source>
        <translation>Si la main est dure et ferme, vous serez remuant, énergique et plein d’allant. Vous aimez l’action, l’invention et la découverte, et vous n’êtes jamais aussi heureux qu’en construisant quelque chose de nouveau ou en explorant des lieux que vous ne connaissez pas. Indépendant et original, vous ne suivez pas les usages simplement parce que les autres le font. Si la main est molle et flasque, cette énergie se manifeste par à-coups&#xa0;: vous lancez de nombreux projets avec un grand enthousiasme, mais vous pouvez vous en lasser vite. Dans les deux cas, vous pensez par vous-même, aimez le travail pratique avec des outils et des machines, et admirez le courage chez les autres.</translation>
    </message>
    <message>
        <source>The tip of each finger and the palm flare out wide like a spatula. The palm is widest either at the wrist or at the finger base.</source>
        <translation>Le bout de chaque doigt et la paume s’évasent largement, comme une spatule. La paume atteint sa plus grande largeur soit au poignet, soit à la base des doigts.</translation>
    </message>
    <message>
        <source>Shape of Hands - Conical Hand</source>
        <translation>Forme des mains – main conique</translation>
    </message>
    <message>
        <source>You will be impulsive and instinctive in your choices, guided more by feeling than by cold reason. You have a strong sense of beauty and are drawn to art, music, color and graceful things. You pick up ideas quickly and are charming company, though you may lose patience with routine and dislike detailed, dull work.<byte value="xd"/>
If you have a firm hand, you will have greater energy and firmness of will.</source>
        <translation>Vous serez impulsif et instinctif dans vos choix, guidé davantage par le sentiment que par la froide raison. Vous avez un sens aigu de la beauté et êtes attiré par l’art, la musique, la couleur et tout ce qui a de la grâce. Vous saisissez vite les idées et êtes d’une compagnie charmante, mais la routine peut vous faire perdre patience et vous n’aimez pas les travaux minutieux et monotones.<byte value="xd"/>
Si votre main est ferme, vous aurez davantage d’énergie et une volonté plus ferme.</translation>
    </message>
    <message>
        <source>The palm is slightly tapering, fingers full at the base and rounded, with tips shaped like cones.</source>
        <translation>La paume s’effile légèrement&#xa0;; les doigts sont pleins à la base et arrondis, avec des bouts en forme de cône.</translation>
    </message>
    <message>
        <source>Shape of Hands - Psychic Hand</source>
        <translation>Forme des mains – main psychique</translation>
    </message>
    <message>
        <source>You have a purely visionary, idealistic nature. You live much of your life among dreams, feelings and ideals, and you are very sensitive to beauty and to the moods of those around you. You trust your intuition and may have a keen interest in spiritual or mystical matters. Practical affairs, money and tight schedules may not come easily to you, so you do best with patient, down-to-earth friends who help you turn dreams into deeds.</source>
        <translation>Vous avez une nature purement visionnaire et idéaliste. Vous vivez en grande partie parmi les rêves, les sentiments et les idéaux, et vous êtes très sensible à la beauté comme à l’humeur de votre entourage. Vous vous fiez à votre intuition et pouvez porter un vif intérêt aux questions spirituelles ou mystiques. Les affaires pratiques, l’argent et les horaires serrés ne sont pas toujours faciles pour vous&#xa0;; vous vous épanouissez donc auprès d’amis patients et terre à terre qui vous aident à changer vos rêves en actes.</translation>
    </message>
    <message>
        <source>It is a beautiful hand with long, narrow, slender fingers on a delicate palm, with tips ending in fine points.</source>
        <translation>C’est une belle main aux doigts longs, étroits et fins sur une paume délicate, dont les bouts se terminent en pointes fines.</translation>
    </message>
    <message>
        <source>Shape of Hands - Mixed Hand</source>
        <translation>Forme des mains – main mixte</translation>
    </message>
    <message>
        <source>You have ideas, versatile and changeability of purpose. You adapt very easily to new people and places and can turn your hand to many different tasks. You are good at seeing a problem from several sides at once. The challenge is to choose one path and stay with it long enough to reach real mastery.</source>
        <translation>Vous avez des idées, de la polyvalence et des intentions changeantes. Vous vous adaptez très facilement à de nouvelles personnes et à de nouveaux lieux, et vous savez vous mettre à des tâches très variées. Vous savez voir un problème sous plusieurs angles à la fois. Le défi, pour vous, est de choisir une voie et de vous y tenir assez longtemps pour atteindre une vraie maîtrise.</translation>
    </message>
    <message>
        <source>This has fingers of different types and hand shapes, mixed together on a single hand.</source>
        <translation>Cette main réunit des doigts de types différents et des formes de main variées, mêlés sur une seule et même main.</translation>
    </message>
    <message>
        <source>Finger Shapes - Conical Fingers</source>
        <translation>Forme des doigts – doigts coniques</translation>
    </message>
    <message>
        <source>You love beauty in all forms. You are sensitive to color, sound and shape, and you enjoy painting, music and poetry. You rely on impressions and first feelings much more than on careful analysis. You are warm and easy to like, but you may be impatient with details and find long, dull routines hard to bear.</source>
        <translation>Vous aimez la beauté sous toutes ses formes. Sensible aux couleurs, aux sons et aux formes, vous appréciez la peinture, la musique et la poésie. Vous vous fiez bien plus à vos impressions et à vos premiers ressentis qu’à une analyse minutieuse. Vous êtes chaleureux et attachant, mais les détails peuvent vous impatienter et les longues routines monotones vous pèsent.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a cone.</source>
        <translation>Les doigts ont la forme d’un cône.</translation>
    </message>
    <message>
        <source>Finger Shapes - Spatulate Fingers</source>
        <translation>Forme des doigts – doigts spatulés</translation>
    </message>
    <message>
        <source>You love the outdoors and enjoy traveling. Your mind is active and original, and you like to invent, make and try things out for yourself. You are energetic, practical and rarely able to sit still for long. Sport, nature and adventure appeal to you, and you tend to act first and think about the details afterwards.</source>
        <translation>Vous aimez le grand air et les voyages. Votre esprit est actif et original, et vous aimez inventer, fabriquer et tout essayer par vous-même. Énergique et pratique, vous tenez rarement en place bien longtemps. Le sport, la nature et l’aventure vous attirent, et vous avez tendance à agir d’abord et à penser aux détails ensuite.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a spatula.</source>
        <translation>Les doigts ont la forme d’une spatule.</translation>
    </message>
    <message>
        <source>Finger Shapes - Straight Fingers</source>
        <translation>Forme des doigts – doigts droits</translation>
    </message>
    <message>
        <source>You are very honest by nature and may speak your mind openly, even when that is not easy. You keep a good balance between feeling and reason, and others see you as a fair and steady friend. You like to deal straightforwardly with people and prefer a simple, honest truth to a clever excuse.</source>
        <translation>Vous êtes d’une grande honnêteté et pouvez dire franchement ce que vous pensez, même quand ce n’est pas facile. Vous gardez un bon équilibre entre le sentiment et la raison, et les autres voient en vous un ami juste et constant. Vous aimez traiter avec les gens sans détour et préférez une vérité simple et honnête à une excuse habile.</translation>
    </message>
    <message>
        <source>The finger is straight in shape.</source>
        <translation>Le doigt est de forme droite.</translation>
    </message>
    <message>
        <source>Finger Shapes - Square Fingers</source>
        <translation>Forme des doigts – doigts carrés</translation>
    </message>
    <message>
        <source>You have a very methodical and organized approach to life. You like order, clear rules and doing things in the proper way. You plan ahead, keep your word and finish what you start. You are practical and sensible, though at times you may seem a little rigid to people who work by instinct.</source>
        <translation>Vous abordez la vie de façon très méthodique et organisée. Vous aimez l’ordre, les règles claires et les choses faites comme il se doit. Vous prévoyez à l’avance, tenez parole et terminez ce que vous commencez. Vous êtes pratique et raisonnable, même si vous pouvez parfois sembler un peu rigide à ceux qui fonctionnent à l’instinct.</translation>
    </message>
    <message>
        <source>The fingers are rectangular shaped.</source>
        <translation>Les doigts sont de forme rectangulaire.</translation>
    </message>
    <message>
        <source>Finger Shapes - Knotty Fingers</source>
        <translation>Forme des doigts – doigts noueux</translation>
    </message>
    <message>
        <source>You are a planner and need to have every fact in place before you act. You think things through carefully, question what you are told and enjoy analysis, research and deep thinking. You may have a philosophical turn of mind and are rarely carried away by impulse.</source>
        <translation>Vous aimez tout planifier et avez besoin que chaque fait soit en place avant d’agir. Vous réfléchissez soigneusement, remettez en question ce qu’on vous dit et appréciez l’analyse, la recherche et la réflexion approfondie. Vous avez peut-être un tour d’esprit philosophique et vous laissez rarement emporter par une impulsion.</translation>
    </message>
    <message>
        <source>The fingers seem jointed together.</source>
        <translation>Les doigts semblent faits de segments assemblés.</translation>
    </message>
    <message>
        <source>Shape of Nails - Short and Wide</source>
        <translation>Forme des ongles – courts et larges</translation>
    </message>
    <message>
        <source>You may have a bad short temper. But your anger passes as quickly as it comes, and you forgive easily and do not hold grudges. You are quick-witted and energetic, with a sharp eye for faults, and you may be critical of others and of yourself. You like to argue a point.</source>
        <translation>Vous avez peut-être un caractère emporté, prompt à la colère. Mais votre colère retombe aussi vite qu’elle est venue&#xa0;; vous pardonnez facilement et ne gardez pas rancune. Vif d’esprit et énergique, vous avez l’œil pour repérer les défauts et pouvez vous montrer critique envers les autres comme envers vous-même. Vous aimez défendre votre point de vue.</translation>
    </message>
    <message>
        <source>Shape / Location is not available.</source>
        <translation>La forme / position n’est pas disponible.</translation>
    </message>
    <message>
        <source>Shape of Nails - Broad and Square</source>
        <translation>Forme des ongles – larges et carrés</translation>
    </message>
    <message>
        <source>You may be a calm and an easygoing person who is hard to upset. You are patient, fair and steady under stress. You take life as it comes, and people find you restful company and a good person to turn to in a real crisis.</source>
        <translation>Vous êtes peut-être une personne calme et facile à vivre, qu’il est difficile de contrarier. Vous êtes patient, juste et solide face au stress. Vous prenez la vie comme elle vient&#xa0;; on trouve votre compagnie reposante et l’on sait pouvoir se tourner vers vous en cas de véritable crise.</translation>
    </message>
    <message>
        <source>Shape of Nails - Long and Narrow</source>
        <translation>Forme des ongles – longs et étroits</translation>
    </message>
    <message>
        <source>You are very intuitive by nature. You may have artistic talent and a love of beauty. You are idealistic and imaginative, and you sometimes prefer dreams to hard facts. You are kind and gentle with others.</source>
        <translation>Vous êtes de nature très intuitive. Vous avez peut-être un talent artistique et l’amour du beau. Idéaliste et imaginatif, vous préférez parfois les rêves aux faits concrets. Vous êtes bienveillant et doux envers les autres.</translation>
    </message>
    <message>
        <source>Shape of Nails - Almond-Shaped</source>
        <translation>Forme des ongles – en amande</translation>
    </message>
    <message>
        <source>You have a gentle personality and are sensitive to the feelings of others. You are kind, courteous and dislike quarrels, preferring peace and calm.</source>
        <translation>Vous avez une personnalité douce et êtes sensible aux sentiments des autres. Bienveillant et courtois, vous n’aimez pas les querelles et leur préférez la paix et le calme.</translation>
    </message>
    <message>
        <source>Life Line</source>
        <translation>Ligne de vie</translation>
    </message>
    <message>
        <source>This line represents the vigor and length of your vitality and the quality of your life. It does not foretell how many years you will live, however.</source>
        <translation>Cette ligne représente la vigueur et la durée de votre vitalité, ainsi que la qualité de votre vie. Elle ne prédit pas pour autant combien d’années vous vivrez.</translation>
    </message>
    <message>
        <source>This line starts from the side of palm between thumb and index finger and curves down around the ball of the thumb, the mount of Venus, to the wrist.</source>
        <translation>Cette ligne commence sur le bord de la paume, entre le pouce et l’index, puis descend en s’incurvant autour de la partie charnue à la base du pouce, le mont de Vénus, jusqu’au poignet.</translation>
    </message>
    <message>
        <source>Head Line</source>
        <translation>Ligne de tête</translation>
    </message>
    <message>
        <source>This line indicates mainly the mentality of a person: the intellect, the powers of reason and concentration, and the normal way of thinking.</source>
        <translation>Cette ligne indique surtout la mentalité d’une personne&#xa0;: son intelligence, ses capacités de raisonnement et de concentration, et sa manière habituelle de penser.</translation>
    </message>
    <message>
        <source>This line rises just above the Life Line and then crosses the palm.</source>
        <translation>Cette ligne naît juste au-dessus de la ligne de vie, puis traverse la paume.</translation>
    </message>
    <message>
        <source>Heart Line</source>
        <translation>Ligne de cœur</translation>
    </message>
    <message>
        <source>This line indicates love, or the attraction of the heart: affection, warmth and the whole emotional life of a person.</source>
        <translation>Cette ligne indique l’amour, ou l’attirance du cœur&#xa0;: l’affection, la chaleur et toute la vie affective d’une personne.</translation>
    </message>
    <message>
        <source>This line runs across the upper portion of the palm, just beneath the fingers, from the outer edge under the little finger towards the index or the middle finger.</source>
        <translation>Cette ligne traverse la partie haute de la paume, juste sous les doigts, depuis le bord extérieur sous l’auriculaire jusque vers l’index ou le majeur.</translation>
    </message>
    <message>
        <source>Fate Line</source>
        <translation>Ligne du destin</translation>
    </message>
    <message>
        <source>This line is the center upright line on the palm and is also called the line of Destiny. It shows your career, the path your life takes, and how outside events and other people shape it. A clear, deep line suggests a steady sense of purpose, while breaks may mark changes of work or home.</source>
        <translation>Cette ligne est la ligne verticale du centre de la paume&#xa0;; on l’appelle aussi ligne de destinée. Elle montre votre carrière, le chemin que prend votre vie et la façon dont les événements extérieurs et les autres le façonnent. Une ligne nette et profonde suggère un cap ferme et constant, tandis que des interruptions peuvent marquer des changements de travail ou de domicile.</translation>
    </message>
    <message>
        <source>This line starts in the middle of the base of the palm and rises straight to the middle finger.</source>
        <translation>Cette ligne commence au milieu de la base de la paume et monte tout droit vers le majeur.</translation>
    </message>
    <message>
        <source>Fame Line</source>
        <translation>Ligne de la renommée</translation>
    </message>
    <message>
        <source>This line is also called the line of the Sun or the line of Apollo. It shows success, fame, recognition, creative talent and the joy you find in your work.</source>
        <translation>Cette ligne est aussi appelée ligne du Soleil ou ligne d’Apollon. Elle montre la réussite, la renommée, la reconnaissance, le talent créatif et la joie que vous trouvez dans votre travail.</translation>
    </message>
    <message>
        <source>This line runs parallel to Line of Fate, on its outer side, and rises up toward the ring finger. It may start low near the wrist or higher up the palm, and in many hands it is quite short or faint, or it may even be missing altogether.</source>
        <translation>Cette ligne court parallèlement à la ligne du destin, du côté extérieur, et monte vers l’annulaire. Elle peut partir bas, près du poignet, ou plus haut sur la paume&#xa0;; sur bien des mains, elle est assez courte ou peu marquée, et il arrive même qu’elle soit totalement absente.</translation>
    </message>
    <message>
        <source>Marriage or Relationship Line</source>
        <translation>Ligne de mariage ou d’union</translation>
    </message>
    <message>
        <source>Light lines will indicate romances and strong ones show marriages or deep, lasting partnerships. Taken together, these reveal the important relationships in your life.</source>
        <translation>Les lignes légères indiquent des idylles, et les lignes marquées des mariages ou des unions profondes et durables. Ensemble, elles révèlent les relations importantes de votre vie.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the little finger, on the outside.</source>
        <translation>Ce sont des lignes horizontales situées à la base de l’auriculaire, sur le bord extérieur de la main.</translation>
    </message>
    <message>
        <source>Health Line</source>
        <translation>Ligne de santé</translation>
    </message>
    <message>
        <source>This line indicates the growth of illness and recovery, as well as your general health.</source>
        <translation>Cette ligne indique l’évolution des maladies et des guérisons, ainsi que votre état de santé général.</translation>
    </message>
    <message>
        <source>This line starts below the ring finger and runs diagonally to the thumb.</source>
        <translation>Cette ligne commence sous l’annulaire et court en diagonale vers le pouce.</translation>
    </message>
    <message>
        <source>Travel Line</source>
        <translation>Ligne de voyage</translation>
    </message>
    <message>
        <source>This line indicates major travels that influence your life.</source>
        <translation>Cette ligne indique les grands voyages qui influencent votre vie.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the palm on the outer edge.</source>
        <translation>Ce sont des lignes horizontales situées au bas de la paume, sur le bord extérieur.</translation>
    </message>
    <message>
        <source>Girdle of Venus</source>
        <translation>Anneau de Vénus</translation>
    </message>
    <message>
        <source>The Girdle of Venus is associated with emotions, sensitivity and deep feeling.</source>
        <translation>L’anneau de Vénus est associé aux émotions, à la sensibilité et aux sentiments profonds.</translation>
    </message>
    <message>
        <source>The Girdle of Venus is a semicircle that lies between the Heart Line and the bases of the middle and the ring fingers.</source>
        <translation>L’anneau de Vénus est un demi-cercle situé entre la ligne de cœur et la base du majeur et de l’annulaire.</translation>
    </message>
</context>
<context>
    <name>TopicRecords</name>
    <message>
        <source>Not asked in your tests yet</source>
        <translation>Pas encore abordé dans vos tests</translation>
    </message>
    <message>
        <source>Answered right %1 of 1 time</source>
        <translation>Réussi %1 fois sur 1</translation>
    </message>
    <message>
        <source>Answered right %1 of %2 times</source>
        <translation>Réussi %1 fois sur %2</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>jamais abordé</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>réussi %1 fois sur %2</translation>
    </message>
    <message>
        <source>Your record cannot be shown: your earlier results cannot be read. %1</source>
        <translation>Votre bilan ne peut pas être affiché, car vos résultats précédents sont illisibles. %1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n bytes.</source>
        <translation>
            <numerusform>Il dépasse %n octet.</numerusform>
            <numerusform>Il dépasse %n octets.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>palmora::AboutDialog</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>palmora::ApplicationController</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>palmora::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Cliquez ici pour visiter %1 dès maintenant</translation>
    </message>
</context>
<context>
    <name>palmora::GoalsPage</name>
    <message>
        <source>Goal %1 note</source>
        <translation>Note du but %1</translation>
    </message>
    <message>
        <source>Save Goal %1</source>
        <translation>Enregistrer le but %1</translation>
    </message>
    <message>
        <source>A goal note can hold up to %1 characters. What you typed or pasted would take Goal %2 past that, so it was not added.</source>
        <translation>Une note de but peut contenir jusqu’à %1 caractères. Ce que vous avez tapé ou collé ferait dépasser cette limite au but %2&#xa0;; ce texte n’a donc pas été ajouté.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Goal %1 was not saved.

%2 could not be read when Palmora started: %3

Saving now would replace what that file holds. Your text is still here; move or rename the file, then save again.</source>
        <translation>Le but %1 n’a pas été enregistré.

%2 n’a pas pu être lu au démarrage de Palmora&#xa0;: %3

Enregistrer maintenant remplacerait le contenu de ce fichier. Votre texte est toujours là&#xa0;; déplacez ou renommez le fichier, puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.

%3

The file was left as it was and your text is still here, so you can try again.</source>
        <translation>Le but %1 n’a pas pu être enregistré dans %2.

%3

Le fichier est resté tel quel et votre texte est toujours là&#xa0;: vous pouvez donc réessayer.</translation>
    </message>
    <message>
        <source>Goal %1 has changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>Le but %1 comporte des modifications non enregistrées.

Voulez-vous les enregistrer avant la fermeture de Palmora&#xa0;?</translation>
    </message>
    <message>
        <source>Goal 1 and Goal 2 have changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>Le but 1 et le but 2 comportent des modifications non enregistrées.

Voulez-vous les enregistrer avant la fermeture de Palmora&#xa0;?</translation>
    </message>
</context>
<context>
    <name>palmora::MainWindow</name>
    <message>
        <source>The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Le forum de discussion Vesper le plus populaire du Web. Cliquez ici pour visiter %1 dès maintenant.</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Veuillez choisir une option</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressChart</name>
    <message>
        <source>Chart of your test scores</source>
        <translation>Graphique de vos scores aux tests</translation>
    </message>
    <message>
        <source>No tests yet. After your first test this chart shows the score of each test over time, and the table shows how often you answered each topic right.</source>
        <translation>Aucun test pour l’instant. Après votre premier test, ce graphique montrera le score de chaque test au fil du temps, et le tableau indiquera combien de fois vous avez réussi chaque sujet.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>score de %1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2: %3.</source>
        <translation>%1, %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1, %2: %3, not counted as progress.</source>
        <translation>%1, %2&#xa0;: %3, hors progression.</translation>
    </message>
    <message>
        <source>Your one test so far, scored from 0 to 10 right answers.</source>
        <translation>Votre seul test à ce jour, noté de 0 à 10 bonnes réponses.</translation>
    </message>
    <message>
        <source>Your last %1 tests, oldest first, scored from 0 to 10 right answers.</source>
        <translation>Vos %1 derniers tests, du plus ancien au plus récent, notés de 0 à 10 bonnes réponses.</translation>
    </message>
    <message>
        <source>Your scores will appear here after your first test, one mark for each test.</source>
        <translation>Vos scores apparaîtront ici après votre premier test, un repère par test.</translation>
    </message>
    <message>
        <source>missed or weakest topics, not counted as progress</source>
        <translation>sujets manqués ou points faibles, hors progression</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressPage</name>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>palmora::ReferralFieldEdit</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>palmora::ResultChart</name>
    <message>
        <source>Chart of your last results</source>
        <translation>Graphique de vos derniers résultats</translation>
    </message>
    <message>
        <source>%1 of %2 (missed topics)</source>
        <translation>%1 sur %2 (sujets manqués)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Aucun résultat pour l’instant.</translation>
    </message>
    <message>
        <source>Oldest to newest: %1</source>
        <translation>Du plus ancien au plus récent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your last %1 results, oldest on the left: the higher the bar, the more answers were right. The lighter bars are tests of the topics missed before or answered right least often.</source>
        <translation>Vos %1 derniers résultats, le plus ancien à gauche&#xa0;: plus la barre est haute, plus il y a eu de bonnes réponses. Les barres plus claires sont des tests des sujets manqués auparavant ou le moins souvent réussis.</translation>
    </message>
    <message>
        <source>%1 of %2 (weakest topics)</source>
        <translation>%1 sur %2 (points faibles)</translation>
    </message>
</context>
<context>
    <name>palmora::SelfTest</name>
    <message>
        <source>Please select a test option</source>
        <translation>Veuillez choisir une option de test</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Please select an answer</source>
        <translation>Veuillez choisir une réponse</translation>
    </message>
    <message>
        <source>Your earlier results cannot be read, so new results are not kept.</source>
        <translation>Vos résultats précédents sont illisibles&#xa0;; les nouveaux résultats ne sont donc pas conservés.</translation>
    </message>
    <message>
        <source>The result of this test could not be added to your results in %1.

%2

The results kept before are as they were.</source>
        <translation>Le résultat de ce test n’a pas pu être ajouté à vos résultats dans %1.

%2

Les résultats déjà conservés sont restés tels quels.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is, and the results of new tests are not kept while it is there. Do you want to set it aside under a new name, so that your results are kept in a new file from now on?</source>
        <translation>Vos résultats de tests précédents ne peuvent pas être lus dans %1.

%2

Le fichier a été laissé tel quel, et les résultats des nouveaux tests ne sont pas conservés tant qu’il est là. Voulez-vous le mettre de côté sous un nouveau nom, afin que vos résultats soient désormais conservés dans un nouveau fichier&#xa0;?</translation>
    </message>
    <message>
        <source>The file %1 could not be set aside.

%2

It is still there as it was.</source>
        <translation>Le fichier %1 n’a pas pu être mis de côté.

%2

Il est toujours là, tel quel.</translation>
    </message>
    <message>
        <source>The file was kept as %1. The results of your next tests are kept in a new file.</source>
        <translation>Le fichier a été conservé sous le nom %1. Les résultats de vos prochains tests sont conservés dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is. New results are not kept in that folder: %3</source>
        <translation>Vos résultats de tests précédents ne peuvent pas être lus dans %1.

%2

Le fichier a été laissé tel quel. Les nouveaux résultats ne sont pas conservés dans ce dossier&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>palmora::TestOptionsPage</name>
    <message>
        <source>%1 of %2 right, %3, %4</source>
        <translation>Score de %1 sur %2, %3, %4</translation>
    </message>
    <message>
        <source>Your results will be listed here after your first test.</source>
        <translation>Vos résultats s’afficheront ici après votre premier test.</translation>
    </message>
</context>
<context>
    <name>palmora::TestQuestionPage</name>
    <message>
        <source>Question picture</source>
        <translation>Image de la question</translation>
    </message>
</context>
<context>
    <name>palmora::TestResultPage</name>
    <message>
        <source>Test report</source>
        <translation>Rapport de test</translation>
    </message>
    <message>
        <source>Print buffer</source>
        <translation>Tampon d’impression</translation>
    </message>
    <message>
        <source>The test results were not printed: the printer &quot;%1&quot; did not accept the print job.

Check that the printer is ready and press &quot;Print Test Results&quot; again.</source>
        <translation>Les résultats du test n’ont pas été imprimés&#xa0;: l’imprimante «&#xa0;%1&#xa0;» n’a pas accepté la tâche d’impression.

Vérifiez que l’imprimante est prête et appuyez de nouveau sur «&#xa0;Imprimer les résultats&#xa0;».</translation>
    </message>
    <message>
        <source>The test results were not printed because no printer is installed on this computer. To print them, install a printer, make it the default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Les résultats du test n’ont pas été imprimés, car aucune imprimante n’est installée sur cet ordinateur. Pour les imprimer, installez une imprimante, définissez-la comme imprimante par défaut et appuyez de nouveau sur «&#xa0;Imprimer les résultats&#xa0;».</translation>
    </message>
    <message>
        <source>The test results were not printed because none of the installed printers is set as the default printer. To print them, choose a default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Les résultats du test n’ont pas été imprimés, car aucune des imprimantes installées n’est définie comme imprimante par défaut. Pour les imprimer, choisissez une imprimante par défaut et appuyez de nouveau sur «&#xa0;Imprimer les résultats&#xa0;».</translation>
    </message>
    <message>
        <source>Do you want to save the test results as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer les résultats du test dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Save Test Results as PDF</source>
        <translation>Enregistrer les résultats en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The test results could not be saved to %1.

%2

Nothing was written there and the results are still here, so you can try again.</source>
        <translation>Les résultats du test n’ont pas pu être enregistrés dans %1.

%2

Rien n’y a été écrit et les résultats sont toujours là&#xa0;: vous pouvez donc réessayer.</translation>
    </message>
    <message numerus="yes">
        <source>The test results were not printed because the print system did not answer within %n seconds. To print them, check that the printer and the print system are running and press &quot;Print Test Results&quot; again.</source>
        <translation>
            <numerusform>Les résultats du test n’ont pas été imprimés, car le système d’impression n’a pas répondu dans un délai de %n seconde. Pour les imprimer, vérifiez que l’imprimante et le système d’impression fonctionnent, puis appuyez de nouveau sur «&#xa0;Imprimer les résultats&#xa0;».</numerusform>
            <numerusform>Les résultats du test n’ont pas été imprimés, car le système d’impression n’a pas répondu dans un délai de %n secondes. Pour les imprimer, vérifiez que l’imprimante et le système d’impression fonctionnent, puis appuyez de nouveau sur «&#xa0;Imprimer les résultats&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>The test results were not printed because the print system did not answer.</source>
        <translation>Les résultats du test n’ont pas été imprimés, car le système d’impression n’a pas répondu.</translation>
    </message>
    <message>
        <source>The test results were saved to %1.</source>
        <translation>Les résultats du test ont été enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>palmora::TopicBrowser</name>
    <message>
        <source>Topic picture</source>
        <translation>Image du sujet</translation>
    </message>
    <message>
        <source>You are at the last record</source>
        <translation>Vous êtes à la dernière fiche</translation>
    </message>
    <message>
        <source>You are at the first record</source>
        <translation>Vous êtes à la première fiche</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Palmora is a learn-and-test yourself on palmistry software. It is a simple aid for novices who are starting out in the study of palmistry or hand reading, and it helps beginners learn the basics and then test how well they understand them.</source>
        <translation>Palmora ist ein Programm zum Lernen und Selbsttesten der Handlesekunst: eine einfache Hilfe für Neulinge, die mit der Chiromantie oder dem Handlesen beginnen. Einsteiger lernen die Grundlagen und prüfen dann, wie gut sie diese verstanden haben.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Eigenes Internetgeschäft gründen und online Geld verdienen. Diese Software unter Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Mehr dazu erfahren Sie hier.</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Vesper Softwares</source>
        <translation>Downloads: Vesper Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vesper Softwares</source>
        <translation>Besuchen Sie Vesper Softwares</translation>
    </message>
</context>
<context>
    <name>ExitTexts</name>
    <message>
        <source>Vesper Softwares, such as this can be created and kept free only with the help of people like you. Please visit our forum often, join in the discussions, share what you know and ask about whatever you would still like to learn.</source>
        <translation>Programme wie dieses von Vesper Softwares entstehen und bleiben nur dank Menschen wie Ihnen kostenlos. Besuchen Sie oft unser Forum, diskutieren Sie mit, teilen Sie Ihr Wissen und fragen Sie nach allem, was Sie noch lernen möchten.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support the forum that keeps this software free: read the newest threads, answer a question whenever you can and tell others what you have learnt. Your posts help us all.</source>
        <translation>Besuchen Sie %1 regelmäßig. Unterstützen Sie das Forum, das diese Software kostenlos hält: Lesen Sie neue Beiträge, antworten Sie, wo Sie können, und geben Sie Gelerntes weiter. Ihre Beiträge helfen uns allen.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for curious people. Drop in often, post your questions and answers, and help keep free software alive.</source>
        <translation>%1 ist ein KOSTENLOSES Online-Diskussionsforum für neugierige Menschen. Schauen Sie oft vorbei, stellen Sie Fragen, geben Sie Antworten und helfen Sie so, kostenlose Software am Leben zu halten.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit the forum regularly, take part in a discussion or two and bring a friend along. Every visit helps us create more free programs.</source>
        <translation>%1 braucht Ihre Hilfe. Besuchen Sie einfach regelmäßig das Forum, beteiligen Sie sich an ein, zwei Diskussionen und bringen Sie einen Freund mit. Jeder Besuch hilft uns, mehr kostenlose Programme zu schaffen.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will like the other programs we make. Star Chart Tutor walks you through the signs of the zodiac and the meaning of each house. Number Lore teaches the basics of numerology with short lessons and quick quizzes. Dream Journal Keeper lets you note your dreams and look back on them later. Face Reading Primer shows what the features of a face are said to reveal, and Herb Garden Notes helps you plan a small garden. Every one of them is free to download, simple to learn and small enough for any computer. Visit our software page to see the full list and fetch the ones you like.</source>
        <translation>Gefällt Ihnen diese Software, werden Sie auch unsere anderen Programme mögen. Star Chart Tutor führt Sie durch die Tierkreiszeichen und die Bedeutung jedes Hauses. Number Lore lehrt die Grundlagen der Numerologie in kurzen Lektionen und Quizrunden. Dream Journal Keeper hält Ihre Träume fest, damit Sie später nachlesen können. Face Reading Primer zeigt, was Gesichtszüge verraten sollen, und Herb Garden Notes hilft beim Planen eines kleinen Gartens. Alle sind kostenlos, leicht zu erlernen und klein genug für jeden Computer. Auf unserer Softwareseite finden Sie die ganze Liste und laden, was Ihnen gefällt.</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Another copy of Palmora kept the file busy.</source>
        <translation>Ein anderes laufendes Palmora hielt die Datei belegt.</translation>
    </message>
    <message>
        <source>Palmora may not write in the folder %1.</source>
        <translation>Palmora darf nicht in den Ordner %1 schreiben.</translation>
    </message>
    <message>
        <source>The disk that holds the folder %1 is full.</source>
        <translation>Der Datenträger mit dem Ordner %1 ist voll.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made.</source>
        <translation>Die Sperrdatei %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made: %2</source>
        <translation>Die Sperrdatei %1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>FileTrust</name>
    <message>
        <source>%1 cannot be found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 cannot be examined.</source>
        <translation>%1 kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users can change %1.</source>
        <translation>Andere Benutzer können %1 ändern.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is a link that another user made, and Palmora does not follow it.</source>
        <translation>%1 ist eine Verknüpfung, die ein anderer Benutzer angelegt hat; Palmora folgt ihr nicht.</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be followed: %2</source>
        <translation>%1 ist eine Verknüpfung, die sich nicht auflösen lässt: %2</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>It is a link to %1, and that file cannot be made: %2</source>
        <translation>Die Datei ist eine Verknüpfung auf %1, und diese Datei kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>This is Goal %1.</source>
        <translation>Dies ist Ziel %1.</translation>
    </message>
    <message>
        <source>There is no folder for the goal notes.</source>
        <translation>Es gibt keinen Ordner für die Zielnotizen.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It holds more than %1 characters, more than a goal note may hold.</source>
        <translation>Die Datei enthält mehr als %1 Zeichen, mehr als eine Zielnotiz fassen darf.</translation>
    </message>
</context>
<context>
    <name>GoalFolders</name>
    <message>
        <source>Goal notes are not kept in %1, since it is not yours alone: %2</source>
        <translation>Zielnotizen werden nicht in %1 gespeichert, weil dieser Ordner nicht Ihnen allein gehört: %2</translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Goal</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Goal 1</source>
        <translation>Ziel 1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Goal 2</source>
        <translation>Ziel 2</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Zum &amp;Hauptmenü</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Eigenes Internetgeschäft gründen und online Geld verdienen. Diese Software unter Ihrer Marke für Ihre Website. Mehr dazu erfahren Sie hier.</translation>
    </message>
    <message>
        <source>Palmora helps you learn the basics of palm reading and the interpretation of the different lines on your hands. </source>
        <translation>Palmora hilft Ihnen, die Grundlagen des Handlesens zu lernen und die verschiedenen Linien Ihrer Hände zu deuten. </translation>
    </message>
    <message>
        <source>This software is a great tool for beginners and novices who are new to the fascinating world of palmistry.</source>
        <translation>Diese Software ist ein großartiges Hilfsmittel für Anfänger und Neulinge in der faszinierenden Welt der Handlesekunst.</translation>
    </message>
    <message>
        <source>Select one of the three options to start the learning process.</source>
        <translation>Wählen Sie eine der drei Optionen, um mit dem Lernen zu beginnen.</translation>
    </message>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Handlesen lernen</translation>
    </message>
    <message>
        <source>Test Myself on Palmistry</source>
        <translation>Handlesen selbst testen</translation>
    </message>
    <message>
        <source>Set Goals</source>
        <translation>Ziele setzen</translation>
    </message>
    <message>
        <source>&amp;Click Here To Proceed</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Zu unserer Website</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>Online &amp;Geld verdienen</translation>
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
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How often you answered each topic right, the weakest first:</source>
        <translation>Wie oft Sie jedes Thema richtig beantwortet haben, die schwächsten zuerst:</translation>
    </message>
    <message>
        <source>Your record on each topic</source>
        <translation>Ihre Bilanz bei jedem Thema</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By Significance</source>
        <translation>Nach Bedeutung</translation>
    </message>
    <message>
        <source>By Location / Shape</source>
        <translation>Nach Lage/Form</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your name can have at most %1 characters.</source>
        <translation>Ihr Name darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your email address can have at most %1 characters.</source>
        <translation>Ihre E-Mail-Adresse darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your message can have at most %1 characters.</source>
        <translation>Ihre Nachricht darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your friend&apos;s name can have at most %1 characters.</source>
        <translation>Der Name Ihres Freundes darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your friend&apos;s email address can have at most %1 characters.</source>
        <translation>Die E-Mail-Adresse Ihres Freundes darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Please Shorten Your Entries</source>
        <translation>Bitte kürzen Sie Ihre Eingaben.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>ResultHistory</name>
    <message>
        <source>It is damaged, or it is not a file of test results.</source>
        <translation>Die Datei ist beschädigt oder enthält keine Testergebnisse.</translation>
    </message>
    <message>
        <source>It was written by another version of Palmora.</source>
        <translation>Die Datei wurde von einer anderen Version von Palmora geschrieben.</translation>
    </message>
    <message>
        <source>It is damaged: its list of results is missing.</source>
        <translation>Die Datei ist beschädigt: Die Liste der Ergebnisse fehlt.</translation>
    </message>
    <message>
        <source>It is damaged: result %1 cannot be read.</source>
        <translation>Die Datei ist beschädigt: Ergebnis %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It is larger than a file of test results can be.</source>
        <translation>Die Datei ist größer, als eine Datei mit Testergebnissen sein kann.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Other users can change the folder %1.</source>
        <translation>Andere Benutzer können den Ordner %1 ändern.</translation>
    </message>
    <message>
        <source>Every name for setting it aside is taken already.</source>
        <translation>Jeder Name, unter dem die Datei beiseitegelegt werden könnte, ist bereits vergeben.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>The file name is too long. A name in this folder can have at most %1 letters, fewer if some are accented or not Latin. Choose a shorter name.</source>
        <translation>Der Dateiname ist zu lang. Ein Name in diesem Ordner darf höchstens %1 Buchstaben haben, weniger, wenn einige davon Akzente tragen oder nicht lateinisch sind. Wählen Sie einen kürzeren Namen.</translation>
    </message>
</context>
<context>
    <name>TestKinds</name>
    <message>
        <source>missed topics by name</source>
        <translation>Fehlerthemen nach Name</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>nach Name</translation>
    </message>
    <message>
        <source>missed topics by significance</source>
        <translation>Fehlerthemen nach Bedeutung</translation>
    </message>
    <message>
        <source>by significance</source>
        <translation>nach Bedeutung</translation>
    </message>
    <message>
        <source>missed topics by location / shape</source>
        <translation>Fehlerthemen nach Lage/Form</translation>
    </message>
    <message>
        <source>by location / shape</source>
        <translation>nach Lage/Form</translation>
    </message>
    <message>
        <source>weakest topics by name</source>
        <translation>schwächste Themen nach Name</translation>
    </message>
    <message>
        <source>weakest topics by significance</source>
        <translation>schwächste Themen nach Bedeutung</translation>
    </message>
    <message>
        <source>weakest topics by location / shape</source>
        <translation>schwächste Themen nach Lage/Form</translation>
    </message>
</context>
<context>
    <name>TestOptionsPage</name>
    <message>
        <source>Test Options</source>
        <translation>Testoptionen</translation>
    </message>
    <message>
        <source>Now prepare yourself for the test!</source>
        <translation>Bereiten Sie sich jetzt auf den Test vor!</translation>
    </message>
    <message>
        <source>Select one option below and click on the button to continue.</source>
        <translation>Wählen Sie unten eine Option und klicken Sie auf die Schaltfläche, um fortzufahren.</translation>
    </message>
    <message>
        <source>See the Image and Choose the Name of the Line / Shape from the given options.</source>
        <translation>Betrachten Sie das Bild und wählen Sie aus den Antworten den Namen der Linie/Form.</translation>
    </message>
    <message>
        <source>Test By Name of Line / Shape</source>
        <translation>Name der Linie/Form testen</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Significance of the Line / Shape from the given options.</source>
        <translation>Betrachten Sie das Bild und wählen Sie aus den Antworten die passende Bedeutung der Linie/Form.</translation>
    </message>
    <message>
        <source>Test By Significance</source>
        <translation>Bedeutung testen</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Location / Shape from the given options.</source>
        <translation>Betrachten Sie das Bild und wählen Sie aus den Antworten die passende Lage/Form.</translation>
    </message>
    <message>
        <source>Test By Location / Shape</source>
        <translation>Lage/Form testen</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Zum &amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Click Here To Start The Test</source>
        <translation>Hier klicken, um den Test zu &amp;starten</translation>
    </message>
    <message>
        <source>Your last results</source>
        <translation>Ihre letzten Ergebnisse</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Ihre Punktzahlen im Zeitverlauf und wie oft Sie jedes Thema richtig beantwortet haben</translation>
    </message>
    <message>
        <source>Test My &amp;Weakest Topics</source>
        <translation>Schwächste &amp;Themen testen</translation>
    </message>
    <message>
        <source>A test of the chosen kind of the ten topics you answered right least often</source>
        <translation>Ein Test der gewählten Art zu den zehn Themen, die Sie am seltensten richtig beantwortet haben</translation>
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
        <translation>Name der Linie/Form</translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source>Your Answer:</source>
        <translation>Ihre Antwort:</translation>
    </message>
    <message>
        <source>Correct Choice: </source>
        <translation>Richtige Antwort: </translation>
    </message>
    <message>
        <source>%1 Correct out of 10 Questions</source>
        <translation>%1 von 10 Fragen richtig</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Bericht erstellt von %1</translation>
    </message>
    <message>
        <source>A test of the topics you missed in your last test</source>
        <translation>Ein Test der Themen, die Sie in Ihrem letzten Test falsch beantwortet haben</translation>
    </message>
    <message>
        <source>%1 Correct out of 1 Question</source>
        <translation>%1 von 1 Frage richtig</translation>
    </message>
    <message>
        <source>%1 Correct out of %2 Questions</source>
        <translation>%1 von %2 Fragen richtig</translation>
    </message>
    <message>
        <source>A test of the topics you have answered right least often</source>
        <translation>Ein Test der Themen, die Sie am seltensten richtig beantwortet haben</translation>
    </message>
</context>
<context>
    <name>TestResultPage</name>
    <message>
        <source>Test Result</source>
        <translation>Testergebnis</translation>
    </message>
    <message>
        <source>&amp;Print Test Results</source>
        <translation>Testergebnisse &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Start Test Once More</source>
        <translation>Test noch einmal &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Repeat The Missed Topics</source>
        <translation>Fehlerthemen &amp;wiederholen</translation>
    </message>
    <message>
        <source>A test of just the topics answered wrong, asked in the same way</source>
        <translation>Ein Test nur der falsch beantworteten Themen, auf dieselbe Weise abgefragt</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Ihre Punktzahlen im Zeitverlauf und wie oft Sie jedes Thema richtig beantwortet haben</translation>
    </message>
</context>
<context>
    <name>TopicBrowser</name>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Handlesen lernen</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Shape / Location</source>
        <translation>Form/Lage</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Zum &amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Your record on this topic</source>
        <translation>Ihre Bilanz bei diesem Thema</translation>
    </message>
</context>
<context>
    <name>TopicData</name>
    <message>
        <source>Shape of Hands - Square Hand</source>
        <translation>Handformen – Quadratische Hand</translation>
    </message>
    <message>
        <source>You will be orderly, punctual and precise in everything you do. You respect rules, value routine and like to see a plan through to the end. You are practical and reliable, trusted to keep your word. You may be cautious with new ideas until they are tested, but once convinced you work steadily and very well.</source>
        <translation>Sie sind ordentlich, pünktlich und genau in allem, was Sie tun. Sie achten Regeln, schätzen feste Abläufe und führen einen Plan gern bis zum Ende durch. Sie sind praktisch veranlagt und zuverlässig; man vertraut darauf, dass Sie Ihr Wort halten. Neuen Ideen begegnen Sie vielleicht mit Vorsicht, bis sie sich bewährt haben, doch sind Sie einmal überzeugt, arbeiten Sie beständig und sehr gut.</translation>
    </message>
    <message>
        <source>The palm is square at the wrist, square at the finger base, and each fingertip is square as well.</source>
        <translation>Die Handfläche ist am Handgelenk wie am Fingeransatz eckig, und auch jede Fingerspitze ist eckig geformt.</translation>
    </message>
    <message>
        <source>Shape of Hands - Spatulate Hand</source>
        <translation>Handformen – Spatelförmige Hand</translation>
    </message>
    <message>
        <source>If hard and firm, you will be restless, energetic and full of drive. You love action, invention and discovery, and you are happiest building something new or exploring places you have not seen. You are independent and original, and you do not follow custom simply because others do. If the hand is soft and flabby, that energy shows in bursts: you start many projects with great excitement but may tire of them quickly. Either way, you think for yourself, enjoy practical work with tools and machines, and admire courage in others.</source>
        <translation>Ist die Hand hart und fest, sind Sie rastlos, energisch und voller Tatendrang. Sie lieben Handeln, Erfinden und Entdecken und sind am glücklichsten, wenn Sie Neues aufbauen oder unbekannte Orte erkunden. Sie sind unabhängig und originell und folgen keinem Brauch, nur weil andere es tun. Ist die Hand weich und schlaff, zeigt sich diese Energie in Schüben: Sie beginnen viele Vorhaben voller Begeisterung, verlieren aber womöglich bald die Lust daran. So oder so denken Sie selbstständig, arbeiten gern praktisch mit Werkzeugen und Maschinen und bewundern Mut bei anderen.</translation>
    </message>
    <message>
        <source>The tip of each finger and the palm flare out wide like a spatula. The palm is widest either at the wrist or at the finger base.</source>
        <translation>Jede Fingerspitze und die Handfläche weiten sich wie ein Spatel nach außen. Die Handfläche ist entweder am Handgelenk oder am Fingeransatz am breitesten.</translation>
    </message>
    <message>
        <source>Shape of Hands - Conical Hand</source>
        <translation>Handformen – Konische Hand</translation>
    </message>
    <message>
        <source>You will be impulsive and instinctive in your choices, guided more by feeling than by cold reason. You have a strong sense of beauty and are drawn to art, music, color and graceful things. You pick up ideas quickly and are charming company, though you may lose patience with routine and dislike detailed, dull work.<byte value="xd"/>
If you have a firm hand, you will have greater energy and firmness of will.</source>
        <translation>Sie entscheiden impulsiv und instinktiv, mehr vom Gefühl als vom kühlen Verstand geleitet. Sie haben einen ausgeprägten Sinn für Schönheit und fühlen sich zu Kunst, Musik, Farben und Anmutigem hingezogen. Sie erfassen Ideen schnell und sind charmante Gesellschaft, verlieren bei Routine aber womöglich die Geduld und mögen keine kleinteilige, eintönige Arbeit.<byte value="xd"/>
Ist Ihre Hand fest, haben Sie mehr Energie und eine größere Willensstärke.</translation>
    </message>
    <message>
        <source>The palm is slightly tapering, fingers full at the base and rounded, with tips shaped like cones.</source>
        <translation>Die Handfläche verjüngt sich leicht; die Finger sind am Ansatz kräftig und gerundet, ihre Spitzen kegelförmig.</translation>
    </message>
    <message>
        <source>Shape of Hands - Psychic Hand</source>
        <translation>Handformen – Psychische Hand</translation>
    </message>
    <message>
        <source>You have a purely visionary, idealistic nature. You live much of your life among dreams, feelings and ideals, and you are very sensitive to beauty and to the moods of those around you. You trust your intuition and may have a keen interest in spiritual or mystical matters. Practical affairs, money and tight schedules may not come easily to you, so you do best with patient, down-to-earth friends who help you turn dreams into deeds.</source>
        <translation>Sie haben ein rein visionäres, idealistisches Wesen. Sie leben zu einem großen Teil in Träumen, Gefühlen und Idealen und sind sehr empfänglich für Schönheit und für die Stimmungen der Menschen um Sie herum. Sie vertrauen Ihrer Intuition und interessieren sich vielleicht lebhaft für Spirituelles oder Mystisches. Praktisches, Geld und enge Zeitpläne liegen Ihnen womöglich weniger; daher tun Ihnen geduldige, bodenständige Freunde gut, die Ihnen helfen, Träume in Taten umzusetzen.</translation>
    </message>
    <message>
        <source>It is a beautiful hand with long, narrow, slender fingers on a delicate palm, with tips ending in fine points.</source>
        <translation>Es ist eine schöne Hand mit langen, schmalen, schlanken Fingern an einer zarten Handfläche; die Fingerspitzen laufen fein spitz zu.</translation>
    </message>
    <message>
        <source>Shape of Hands - Mixed Hand</source>
        <translation>Handformen – Gemischte Hand</translation>
    </message>
    <message>
        <source>You have ideas, versatile and changeability of purpose. You adapt very easily to new people and places and can turn your hand to many different tasks. You are good at seeing a problem from several sides at once. The challenge is to choose one path and stay with it long enough to reach real mastery.</source>
        <translation>Sie haben Ideen, sind vielseitig und ändern Ihre Ziele leicht. Sie stellen sich sehr leicht auf neue Menschen und Orte ein und finden sich in vielen verschiedenen Aufgaben zurecht. Sie können ein Problem gut von mehreren Seiten zugleich betrachten. Die Herausforderung besteht darin, einen Weg zu wählen und lange genug dabeizubleiben, um echte Meisterschaft zu erreichen.</translation>
    </message>
    <message>
        <source>This has fingers of different types and hand shapes, mixed together on a single hand.</source>
        <translation>Hier finden sich Finger verschiedener Typen und verschiedene Handformen gemischt an einer einzigen Hand.</translation>
    </message>
    <message>
        <source>Finger Shapes - Conical Fingers</source>
        <translation>Fingerformen – Konische Finger</translation>
    </message>
    <message>
        <source>You love beauty in all forms. You are sensitive to color, sound and shape, and you enjoy painting, music and poetry. You rely on impressions and first feelings much more than on careful analysis. You are warm and easy to like, but you may be impatient with details and find long, dull routines hard to bear.</source>
        <translation>Sie lieben das Schöne in all seinen Formen. Sie sind empfänglich für Farben, Klänge und Formen und haben Freude an Malerei, Musik und Dichtung. Sie verlassen sich viel mehr auf Eindrücke und erste Gefühle als auf sorgfältige Analyse. Sie sind herzlich und liebenswert, werden bei Einzelheiten aber womöglich ungeduldig, und lange, eintönige Routinen fallen Ihnen schwer.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a cone.</source>
        <translation>Die Finger sind kegelförmig.</translation>
    </message>
    <message>
        <source>Finger Shapes - Spatulate Fingers</source>
        <translation>Fingerformen – Spatelförmige Finger</translation>
    </message>
    <message>
        <source>You love the outdoors and enjoy traveling. Your mind is active and original, and you like to invent, make and try things out for yourself. You are energetic, practical and rarely able to sit still for long. Sport, nature and adventure appeal to you, and you tend to act first and think about the details afterwards.</source>
        <translation>Sie lieben das Leben im Freien und reisen gern. Ihr Geist ist rege und originell; Sie erfinden, bauen und probieren Dinge gern selbst aus. Sie sind tatkräftig und praktisch und können selten lange still sitzen. Sport, Natur und Abenteuer reizen Sie, und Sie neigen dazu, erst zu handeln und über die Einzelheiten später nachzudenken.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a spatula.</source>
        <translation>Die Finger sind spatelförmig.</translation>
    </message>
    <message>
        <source>Finger Shapes - Straight Fingers</source>
        <translation>Fingerformen – Gerade Finger</translation>
    </message>
    <message>
        <source>You are very honest by nature and may speak your mind openly, even when that is not easy. You keep a good balance between feeling and reason, and others see you as a fair and steady friend. You like to deal straightforwardly with people and prefer a simple, honest truth to a clever excuse.</source>
        <translation>Sie sind von Natur aus sehr ehrlich und sagen vielleicht offen Ihre Meinung, auch wenn das nicht leicht ist. Sie halten Gefühl und Verstand gut im Gleichgewicht, und andere sehen in Ihnen einen fairen und verlässlichen Freund. Sie gehen gern geradlinig mit Menschen um und ziehen eine einfache, ehrliche Wahrheit einer geschickten Ausrede vor.</translation>
    </message>
    <message>
        <source>The finger is straight in shape.</source>
        <translation>Der Finger ist gerade geformt.</translation>
    </message>
    <message>
        <source>Finger Shapes - Square Fingers</source>
        <translation>Fingerformen – Quadratische Finger</translation>
    </message>
    <message>
        <source>You have a very methodical and organized approach to life. You like order, clear rules and doing things in the proper way. You plan ahead, keep your word and finish what you start. You are practical and sensible, though at times you may seem a little rigid to people who work by instinct.</source>
        <translation>Sie gehen sehr methodisch und organisiert durchs Leben. Sie mögen Ordnung, klare Regeln und erledigen die Dinge gern auf die richtige Art. Sie planen voraus, halten Ihr Wort und bringen zu Ende, was Sie beginnen. Sie sind praktisch und vernünftig, wirken auf Menschen, die instinktiv vorgehen, manchmal aber vielleicht etwas starr.</translation>
    </message>
    <message>
        <source>The fingers are rectangular shaped.</source>
        <translation>Die Finger sind rechteckig geformt.</translation>
    </message>
    <message>
        <source>Finger Shapes - Knotty Fingers</source>
        <translation>Fingerformen – Knotige Finger</translation>
    </message>
    <message>
        <source>You are a planner and need to have every fact in place before you act. You think things through carefully, question what you are told and enjoy analysis, research and deep thinking. You may have a philosophical turn of mind and are rarely carried away by impulse.</source>
        <translation>Sie planen gern und müssen alle Fakten beisammenhaben, bevor Sie handeln. Sie durchdenken die Dinge sorgfältig, hinterfragen, was man Ihnen sagt, und haben Freude an Analyse, Forschung und tiefem Nachdenken. Vielleicht haben Sie einen Hang zum Philosophieren, und nur selten lassen Sie sich von einem Impuls mitreißen.</translation>
    </message>
    <message>
        <source>The fingers seem jointed together.</source>
        <translation>Die Finger wirken wie aus einzelnen Gliedern zusammengefügt.</translation>
    </message>
    <message>
        <source>Shape of Nails - Short and Wide</source>
        <translation>Nagelformen – Kurz und breit</translation>
    </message>
    <message>
        <source>You may have a bad short temper. But your anger passes as quickly as it comes, and you forgive easily and do not hold grudges. You are quick-witted and energetic, with a sharp eye for faults, and you may be critical of others and of yourself. You like to argue a point.</source>
        <translation>Sie sind vielleicht recht jähzornig. Doch Ihr Ärger verfliegt so schnell, wie er gekommen ist; Sie verzeihen leicht und sind nicht nachtragend. Sie sind schlagfertig und tatkräftig, haben einen scharfen Blick für Fehler und gehen mit anderen wie mit sich selbst womöglich kritisch ins Gericht. Sie streiten gern für einen Standpunkt.</translation>
    </message>
    <message>
        <source>Shape / Location is not available.</source>
        <translation>Zu Form/Lage gibt es keine Angabe.</translation>
    </message>
    <message>
        <source>Shape of Nails - Broad and Square</source>
        <translation>Nagelformen – Breit und eckig</translation>
    </message>
    <message>
        <source>You may be a calm and an easygoing person who is hard to upset. You are patient, fair and steady under stress. You take life as it comes, and people find you restful company and a good person to turn to in a real crisis.</source>
        <translation>Sie sind vermutlich ein ruhiger, gelassener Mensch, den so leicht nichts aus der Fassung bringt. Sie sind geduldig, gerecht und bleiben auch unter Druck standfest. Sie nehmen das Leben, wie es kommt; andere schätzen Ihre wohltuend ruhige Gesellschaft und wenden sich in einer echten Krise gern an Sie.</translation>
    </message>
    <message>
        <source>Shape of Nails - Long and Narrow</source>
        <translation>Nagelformen – Lang und schmal</translation>
    </message>
    <message>
        <source>You are very intuitive by nature. You may have artistic talent and a love of beauty. You are idealistic and imaginative, and you sometimes prefer dreams to hard facts. You are kind and gentle with others.</source>
        <translation>Sie sind von Natur aus sehr intuitiv. Vielleicht haben Sie künstlerisches Talent und eine Liebe zum Schönen. Sie sind idealistisch und fantasievoll und ziehen Träume manchmal harten Tatsachen vor. Mit anderen gehen Sie freundlich und sanft um.</translation>
    </message>
    <message>
        <source>Shape of Nails - Almond-Shaped</source>
        <translation>Nagelformen – Mandelförmig</translation>
    </message>
    <message>
        <source>You have a gentle personality and are sensitive to the feelings of others. You are kind, courteous and dislike quarrels, preferring peace and calm.</source>
        <translation>Sie haben ein sanftes Wesen und ein feines Gespür für die Gefühle anderer. Sie sind freundlich und höflich, mögen keinen Streit und ziehen Frieden und Ruhe vor.</translation>
    </message>
    <message>
        <source>Life Line</source>
        <translation>Lebenslinie</translation>
    </message>
    <message>
        <source>This line represents the vigor and length of your vitality and the quality of your life. It does not foretell how many years you will live, however.</source>
        <translation>Diese Linie steht für die Stärke und Dauer Ihrer Lebenskraft und für die Qualität Ihres Lebens. Wie viele Jahre Sie leben werden, sagt sie jedoch nicht voraus.</translation>
    </message>
    <message>
        <source>This line starts from the side of palm between thumb and index finger and curves down around the ball of the thumb, the mount of Venus, to the wrist.</source>
        <translation>Diese Linie beginnt am Rand der Handfläche zwischen Daumen und Zeigefinger und zieht sich im Bogen um den Daumenballen, den Venusberg, hinab bis zum Handgelenk.</translation>
    </message>
    <message>
        <source>Head Line</source>
        <translation>Kopflinie</translation>
    </message>
    <message>
        <source>This line indicates mainly the mentality of a person: the intellect, the powers of reason and concentration, and the normal way of thinking.</source>
        <translation>Diese Linie zeigt vor allem die geistige Veranlagung eines Menschen: den Intellekt, die Kraft des Verstandes und der Konzentration sowie die gewohnte Denkweise.</translation>
    </message>
    <message>
        <source>This line rises just above the Life Line and then crosses the palm.</source>
        <translation>Diese Linie beginnt knapp oberhalb der Lebenslinie und zieht dann quer über die Handfläche.</translation>
    </message>
    <message>
        <source>Heart Line</source>
        <translation>Herzlinie</translation>
    </message>
    <message>
        <source>This line indicates love, or the attraction of the heart: affection, warmth and the whole emotional life of a person.</source>
        <translation>Diese Linie zeigt die Liebe oder die Neigungen des Herzens: Zuneigung, Wärme und das gesamte Gefühlsleben eines Menschen.</translation>
    </message>
    <message>
        <source>This line runs across the upper portion of the palm, just beneath the fingers, from the outer edge under the little finger towards the index or the middle finger.</source>
        <translation>Diese Linie verläuft quer durch den oberen Teil der Handfläche, dicht unterhalb der Finger, vom äußeren Rand unter dem kleinen Finger in Richtung Zeige- oder Mittelfinger.</translation>
    </message>
    <message>
        <source>Fate Line</source>
        <translation>Schicksalslinie</translation>
    </message>
    <message>
        <source>This line is the center upright line on the palm and is also called the line of Destiny. It shows your career, the path your life takes, and how outside events and other people shape it. A clear, deep line suggests a steady sense of purpose, while breaks may mark changes of work or home.</source>
        <translation>Diese Linie ist die senkrechte Linie in der Mitte der Handfläche und heißt auch Linie der Bestimmung. Sie zeigt Ihre Laufbahn, den Weg Ihres Lebens und wie äußere Ereignisse und andere Menschen ihn prägen. Eine klare, tiefe Linie deutet auf beständige Zielstrebigkeit hin; Unterbrechungen können einen Wechsel von Arbeit oder Wohnort anzeigen.</translation>
    </message>
    <message>
        <source>This line starts in the middle of the base of the palm and rises straight to the middle finger.</source>
        <translation>Diese Linie beginnt in der Mitte des unteren Handflächenrands und steigt gerade zum Mittelfinger auf.</translation>
    </message>
    <message>
        <source>Fame Line</source>
        <translation>Erfolgslinie</translation>
    </message>
    <message>
        <source>This line is also called the line of the Sun or the line of Apollo. It shows success, fame, recognition, creative talent and the joy you find in your work.</source>
        <translation>Diese Linie wird auch Sonnenlinie oder Apollolinie genannt. Sie zeigt Erfolg, Ruhm, Anerkennung, schöpferisches Talent und die Freude, die Sie an Ihrer Arbeit finden.</translation>
    </message>
    <message>
        <source>This line runs parallel to Line of Fate, on its outer side, and rises up toward the ring finger. It may start low near the wrist or higher up the palm, and in many hands it is quite short or faint, or it may even be missing altogether.</source>
        <translation>Diese Linie verläuft parallel zur Schicksalslinie auf deren äußerer Seite und steigt zum Ringfinger auf. Sie kann tief unten am Handgelenk oder weiter oben in der Handfläche beginnen; bei vielen Händen ist sie recht kurz oder schwach, oder sie fehlt sogar ganz.</translation>
    </message>
    <message>
        <source>Marriage or Relationship Line</source>
        <translation>Ehe- oder Beziehungslinie</translation>
    </message>
    <message>
        <source>Light lines will indicate romances and strong ones show marriages or deep, lasting partnerships. Taken together, these reveal the important relationships in your life.</source>
        <translation>Feine Linien deuten auf Romanzen hin, kräftige auf Ehen oder tiefe, dauerhafte Partnerschaften. Zusammen zeigen sie die wichtigen Beziehungen in Ihrem Leben.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the little finger, on the outside.</source>
        <translation>Diese Linien verlaufen waagerecht am Ansatz des kleinen Fingers, an der Außenseite der Hand.</translation>
    </message>
    <message>
        <source>Health Line</source>
        <translation>Gesundheitslinie</translation>
    </message>
    <message>
        <source>This line indicates the growth of illness and recovery, as well as your general health.</source>
        <translation>Diese Linie zeigt, wie Krankheiten entstehen und wie Sie genesen, sowie Ihren allgemeinen Gesundheitszustand.</translation>
    </message>
    <message>
        <source>This line starts below the ring finger and runs diagonally to the thumb.</source>
        <translation>Diese Linie beginnt unterhalb des Ringfingers und verläuft schräg zum Daumen.</translation>
    </message>
    <message>
        <source>Travel Line</source>
        <translation>Reiselinie</translation>
    </message>
    <message>
        <source>This line indicates major travels that influence your life.</source>
        <translation>Diese Linie zeigt bedeutende Reisen, die Ihr Leben prägen.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the palm on the outer edge.</source>
        <translation>Diese Linien verlaufen waagerecht im unteren Teil der Handfläche am äußeren Rand.</translation>
    </message>
    <message>
        <source>Girdle of Venus</source>
        <translation>Venusgürtel</translation>
    </message>
    <message>
        <source>The Girdle of Venus is associated with emotions, sensitivity and deep feeling.</source>
        <translation>Der Venusgürtel wird mit Emotionen, Feinfühligkeit und tiefem Empfinden in Verbindung gebracht.</translation>
    </message>
    <message>
        <source>The Girdle of Venus is a semicircle that lies between the Heart Line and the bases of the middle and the ring fingers.</source>
        <translation>Der Venusgürtel ist ein Halbkreis, der zwischen der Herzlinie und dem Ansatz von Mittel- und Ringfinger liegt.</translation>
    </message>
</context>
<context>
    <name>TopicRecords</name>
    <message>
        <source>Not asked in your tests yet</source>
        <translation>In Ihren Tests noch nicht abgefragt</translation>
    </message>
    <message>
        <source>Answered right %1 of 1 time</source>
        <translation>%1 von 1 Abfrage richtig beantwortet</translation>
    </message>
    <message>
        <source>Answered right %1 of %2 times</source>
        <translation>%1 von %2 Abfragen richtig beantwortet</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nie abgefragt</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>Your record cannot be shown: your earlier results cannot be read. %1</source>
        <translation>Ihre Bilanz kann nicht angezeigt werden, weil Ihre bisherigen Ergebnisse nicht gelesen werden können. %1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Für diese Software gibt es möglicherweise ein Update.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es handelt sich um einen Ordner, nicht um eine Datei.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n bytes.</source>
        <translation>
            <numerusform>Die Datei ist größer als %n Byte.</numerusform>
            <numerusform>Die Datei ist größer als %n Bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>palmora::AboutDialog</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>palmora::ApplicationController</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits.</translation>
    </message>
</context>
<context>
    <name>palmora::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Besuchen Sie jetzt %1</translation>
    </message>
</context>
<context>
    <name>palmora::GoalsPage</name>
    <message>
        <source>Goal %1 note</source>
        <translation>Notiz zu Ziel %1</translation>
    </message>
    <message>
        <source>Save Goal %1</source>
        <translation>Ziel %1 speichern</translation>
    </message>
    <message>
        <source>A goal note can hold up to %1 characters. What you typed or pasted would take Goal %2 past that, so it was not added.</source>
        <translation>Eine Zielnotiz fasst bis zu %1 Zeichen. Was Sie eingegeben oder eingefügt haben, würde Ziel %2 über diese Grenze bringen, deshalb wurde es nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Goal %1 was not saved.

%2 could not be read when Palmora started: %3

Saving now would replace what that file holds. Your text is still here; move or rename the file, then save again.</source>
        <translation>Ziel %1 wurde nicht gespeichert.

%2 konnte beim Start von Palmora nicht gelesen werden: %3

Wenn Sie jetzt speichern, würde der Inhalt dieser Datei ersetzt. Ihr Text ist noch vorhanden; verschieben Sie die Datei oder benennen Sie sie um und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.

%3

The file was left as it was and your text is still here, so you can try again.</source>
        <translation>Ziel %1 konnte nicht in %2 gespeichert werden.

%3

Die Datei ist unverändert geblieben und Ihr Text ist noch vorhanden, sodass Sie es erneut versuchen können.</translation>
    </message>
    <message>
        <source>Goal %1 has changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>Ziel %1 enthält nicht gespeicherte Änderungen.

Möchten Sie diese speichern, bevor Palmora beendet wird?</translation>
    </message>
    <message>
        <source>Goal 1 and Goal 2 have changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>Ziel 1 und Ziel 2 enthalten nicht gespeicherte Änderungen.

Möchten Sie diese speichern, bevor Palmora beendet wird?</translation>
    </message>
</context>
<context>
    <name>palmora::MainWindow</name>
    <message>
        <source>The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Das beliebteste Vesper-Diskussionsforum im Netz. Besuchen Sie jetzt %1.</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Bitte wählen Sie eine Option.</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressChart</name>
    <message>
        <source>Chart of your test scores</source>
        <translation>Diagramm Ihrer Punktzahlen</translation>
    </message>
    <message>
        <source>No tests yet. After your first test this chart shows the score of each test over time, and the table shows how often you answered each topic right.</source>
        <translation>Noch keine Tests. Nach Ihrem ersten Test zeigt dieses Diagramm die Punktzahl jedes Tests im Zeitverlauf, und die Tabelle zeigt, wie oft Sie jedes Thema richtig beantwortet haben.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>%1, %2: %3.</source>
        <translation>%1, %2: %3.</translation>
    </message>
    <message>
        <source>%1, %2: %3, not counted as progress.</source>
        <translation>%1, %2: %3, zählt nicht als Fortschritt.</translation>
    </message>
    <message>
        <source>Your one test so far, scored from 0 to 10 right answers.</source>
        <translation>Ihr bisher einziger Test, gewertet mit 0 bis 10 richtigen Antworten.</translation>
    </message>
    <message>
        <source>Your last %1 tests, oldest first, scored from 0 to 10 right answers.</source>
        <translation>Ihre letzten %1 Tests, der älteste zuerst, gewertet mit 0 bis 10 richtigen Antworten.</translation>
    </message>
    <message>
        <source>Your scores will appear here after your first test, one mark for each test.</source>
        <translation>Nach Ihrem ersten Test erscheinen hier Ihre Punktzahlen, eine Markierung für jeden Test.</translation>
    </message>
    <message>
        <source>missed or weakest topics, not counted as progress</source>
        <translation>Fehler- oder schwächste Themen, zählen nicht als Fortschritt</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressPage</name>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
</context>
<context>
    <name>palmora::ReferralFieldEdit</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>palmora::ResultChart</name>
    <message>
        <source>Chart of your last results</source>
        <translation>Diagramm Ihrer letzten Ergebnisse</translation>
    </message>
    <message>
        <source>%1 of %2 (missed topics)</source>
        <translation>%1 von %2 (Fehlerthemen)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Noch keine Ergebnisse.</translation>
    </message>
    <message>
        <source>Oldest to newest: %1</source>
        <translation>Vom ältesten zum neuesten: %1</translation>
    </message>
    <message>
        <source>Your last %1 results, oldest on the left: the higher the bar, the more answers were right. The lighter bars are tests of the topics missed before or answered right least often.</source>
        <translation>Ihre letzten %1 Ergebnisse, das älteste links: Je höher der Balken, desto mehr Antworten waren richtig. Die helleren Balken sind Tests der zuvor falsch beantworteten oder am seltensten richtig beantworteten Themen.</translation>
    </message>
    <message>
        <source>%1 of %2 (weakest topics)</source>
        <translation>%1 von %2 (schwächste Themen)</translation>
    </message>
</context>
<context>
    <name>palmora::SelfTest</name>
    <message>
        <source>Please select a test option</source>
        <translation>Bitte wählen Sie eine Testoption.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Please select an answer</source>
        <translation>Bitte wählen Sie eine Antwort.</translation>
    </message>
    <message>
        <source>Your earlier results cannot be read, so new results are not kept.</source>
        <translation>Ihre bisherigen Ergebnisse können nicht gelesen werden, daher werden neue Ergebnisse nicht gespeichert.</translation>
    </message>
    <message>
        <source>The result of this test could not be added to your results in %1.

%2

The results kept before are as they were.</source>
        <translation>Das Ergebnis dieses Tests konnte Ihren Ergebnissen in %1 nicht hinzugefügt werden.

%2

Die bisher gespeicherten Ergebnisse sind unverändert.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is, and the results of new tests are not kept while it is there. Do you want to set it aside under a new name, so that your results are kept in a new file from now on?</source>
        <translation>Ihre bisherigen Testergebnisse können nicht aus %1 gelesen werden.

%2

Die Datei bleibt unverändert, und solange sie dort liegt, werden die Ergebnisse neuer Tests nicht gespeichert. Möchten Sie die Datei unter einem neuen Namen beiseitelegen, damit Ihre Ergebnisse ab jetzt in einer neuen Datei gespeichert werden?</translation>
    </message>
    <message>
        <source>The file %1 could not be set aside.

%2

It is still there as it was.</source>
        <translation>Die Datei %1 konnte nicht beiseitegelegt werden.

%2

Sie liegt unverändert an ihrem Platz.</translation>
    </message>
    <message>
        <source>The file was kept as %1. The results of your next tests are kept in a new file.</source>
        <translation>Die Datei wurde als %1 aufbewahrt. Die Ergebnisse Ihrer nächsten Tests werden in einer neuen Datei gespeichert.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is. New results are not kept in that folder: %3</source>
        <translation>Ihre bisherigen Testergebnisse können nicht aus %1 gelesen werden.

%2

Die Datei bleibt unverändert. Neue Ergebnisse werden nicht in diesem Ordner gespeichert: %3</translation>
    </message>
</context>
<context>
    <name>palmora::TestOptionsPage</name>
    <message>
        <source>%1 of %2 right, %3, %4</source>
        <translation>%1 von %2 richtig, %3, %4</translation>
    </message>
    <message>
        <source>Your results will be listed here after your first test.</source>
        <translation>Nach Ihrem ersten Test werden hier Ihre Ergebnisse aufgeführt.</translation>
    </message>
</context>
<context>
    <name>palmora::TestQuestionPage</name>
    <message>
        <source>Question picture</source>
        <translation>Bild zur Frage</translation>
    </message>
</context>
<context>
    <name>palmora::TestResultPage</name>
    <message>
        <source>Test report</source>
        <translation>Testbericht</translation>
    </message>
    <message>
        <source>Print buffer</source>
        <translation>Druckpuffer</translation>
    </message>
    <message>
        <source>The test results were not printed: the printer &quot;%1&quot; did not accept the print job.

Check that the printer is ready and press &quot;Print Test Results&quot; again.</source>
        <translation>Die Testergebnisse wurden nicht gedruckt: Der Drucker „%1“ hat den Druckauftrag nicht angenommen.

Prüfen Sie, ob der Drucker bereit ist, und klicken Sie erneut auf „Testergebnisse drucken“.</translation>
    </message>
    <message>
        <source>The test results were not printed because no printer is installed on this computer. To print them, install a printer, make it the default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Die Testergebnisse wurden nicht gedruckt, weil auf diesem Computer kein Drucker installiert ist. Um sie zu drucken, installieren Sie einen Drucker, legen Sie ihn als Standarddrucker fest und klicken Sie erneut auf „Testergebnisse drucken“.</translation>
    </message>
    <message>
        <source>The test results were not printed because none of the installed printers is set as the default printer. To print them, choose a default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Die Testergebnisse wurden nicht gedruckt, weil keiner der installierten Drucker als Standarddrucker festgelegt ist. Um sie zu drucken, wählen Sie einen Standarddrucker und klicken Sie erneut auf „Testergebnisse drucken“.</translation>
    </message>
    <message>
        <source>Do you want to save the test results as a PDF file instead?</source>
        <translation>Möchten Sie die Testergebnisse stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save Test Results as PDF</source>
        <translation>Testergebnisse als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The test results could not be saved to %1.

%2

Nothing was written there and the results are still here, so you can try again.</source>
        <translation>Die Testergebnisse konnten nicht in %1 gespeichert werden.

%2

Dort wurde nichts geschrieben, und die Ergebnisse sind noch vorhanden, sodass Sie es erneut versuchen können.</translation>
    </message>
    <message numerus="yes">
        <source>The test results were not printed because the print system did not answer within %n seconds. To print them, check that the printer and the print system are running and press &quot;Print Test Results&quot; again.</source>
        <translation>
            <numerusform>Die Testergebnisse wurden nicht gedruckt, weil das Drucksystem nicht innerhalb von %n Sekunde geantwortet hat. Um sie zu drucken, prüfen Sie, ob Drucker und Drucksystem laufen, und klicken Sie erneut auf „Testergebnisse drucken“.</numerusform>
            <numerusform>Die Testergebnisse wurden nicht gedruckt, weil das Drucksystem nicht innerhalb von %n Sekunden geantwortet hat. Um sie zu drucken, prüfen Sie, ob Drucker und Drucksystem laufen, und klicken Sie erneut auf „Testergebnisse drucken“.</numerusform>
        </translation>
    </message>
    <message>
        <source>The test results were not printed because the print system did not answer.</source>
        <translation>Die Testergebnisse wurden nicht gedruckt, weil das Drucksystem nicht geantwortet hat.</translation>
    </message>
    <message>
        <source>The test results were saved to %1.</source>
        <translation>Die Testergebnisse wurden in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>palmora::TopicBrowser</name>
    <message>
        <source>Topic picture</source>
        <translation>Bild zum Thema</translation>
    </message>
    <message>
        <source>You are at the last record</source>
        <translation>Dies ist das letzte Thema.</translation>
    </message>
    <message>
        <source>You are at the first record</source>
        <translation>Dies ist das erste Thema.</translation>
    </message>
</context>
</TS>

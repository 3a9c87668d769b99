<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Palmora is a learn-and-test yourself on palmistry software. It is a simple aid for novices who are starting out in the study of palmistry or hand reading, and it helps beginners learn the basics and then test how well they understand them.</source>
        <translation>Palmora es un programa para aprender quiromancia y ponerse a prueba. Es una ayuda sencilla para quienes empiezan a estudiar la quiromancia o lectura de manos: les ayuda a aprender lo básico y, después, a comprobar hasta qué punto lo han entendido.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio en casa. Monta tu propio negocio en internet y gana dinero en línea. Consigue este programa con tu marca para tu web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic para más detalles.</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Invita a un amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Invitar ahora</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Download Vesper Softwares</source>
        <translation>Descargas de Vesper Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vesper Softwares</source>
        <translation>Haz clic para visitar Vesper Softwares</translation>
    </message>
</context>
<context>
    <name>ExitTexts</name>
    <message>
        <source>Vesper Softwares, such as this can be created and kept free only with the help of people like you. Please visit our forum often, join in the discussions, share what you know and ask about whatever you would still like to learn.</source>
        <translation>Programas de Vesper Softwares como este solo pueden crearse y seguir siendo gratis gracias a gente como tú. Visita a menudo nuestro foro, participa en los debates, comparte lo que sabes y pregunta lo que aún quieras aprender.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support the forum that keeps this software free: read the newest threads, answer a question whenever you can and tell others what you have learnt. Your posts help us all.</source>
        <translation>Visita %1 a menudo. Apoya el foro que mantiene gratis este programa: lee los hilos nuevos, responde alguna pregunta cuando puedas y cuenta a otros lo que has aprendido. Tus mensajes nos ayudan a todos.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for curious people. Drop in often, post your questions and answers, and help keep free software alive.</source>
        <translation>%1 es un foro de debate en línea GRATUITO para gente curiosa. Pásate a menudo, publica tus preguntas y respuestas, y ayuda a mantener vivo el software gratuito.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit the forum regularly, take part in a discussion or two and bring a friend along. Every visit helps us create more free programs.</source>
        <translation>%1 necesita tu ayuda. Solo tienes que visitar el foro con regularidad, participar en algún que otro debate y traer a un amigo. Cada visita nos ayuda a crear más programas gratuitos.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will like the other programs we make. Star Chart Tutor walks you through the signs of the zodiac and the meaning of each house. Number Lore teaches the basics of numerology with short lessons and quick quizzes. Dream Journal Keeper lets you note your dreams and look back on them later. Face Reading Primer shows what the features of a face are said to reveal, and Herb Garden Notes helps you plan a small garden. Every one of them is free to download, simple to learn and small enough for any computer. Visit our software page to see the full list and fetch the ones you like.</source>
        <translation>Si te ha gustado este programa, te gustarán los demás que hacemos. Star Chart Tutor te guía por los signos del zodiaco y el sentido de cada casa. Number Lore enseña lo básico de la numerología con lecciones breves y preguntas rápidas. Dream Journal Keeper te deja anotar tus sueños y releerlos más tarde. Face Reading Primer muestra lo que, según se dice, revelan los rasgos de la cara, y Herb Garden Notes te ayuda a planear un pequeño jardín. Todos se descargan gratis, se aprenden con facilidad y caben en cualquier ordenador. Visita nuestra página de programas para ver la lista completa y descargar los que te gusten.</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>Another copy of Palmora kept the file busy.</source>
        <translation>Otra copia de Palmora tenía el archivo ocupado.</translation>
    </message>
    <message>
        <source>Palmora may not write in the folder %1.</source>
        <translation>Palmora no tiene permiso para escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>The disk that holds the folder %1 is full.</source>
        <translation>El disco que contiene la carpeta %1 está lleno.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made.</source>
        <translation>No se pudo crear el bloqueo %1.</translation>
    </message>
    <message>
        <source>The lock %1 could not be made: %2</source>
        <translation>No se pudo crear el bloqueo %1: %2</translation>
    </message>
</context>
<context>
    <name>FileTrust</name>
    <message>
        <source>%1 cannot be found.</source>
        <translation>No se encuentra %1.</translation>
    </message>
    <message>
        <source>%1 cannot be examined.</source>
        <translation>No se puede examinar %1.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>Other users can change %1.</source>
        <translation>Otros usuarios pueden modificar %1.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 is a link that another user made, and Palmora does not follow it.</source>
        <translation>%1 es un enlace creado por otro usuario; Palmora no lo sigue.</translation>
    </message>
    <message>
        <source>%1 is a link that cannot be followed: %2</source>
        <translation>%1 es un enlace que no se puede seguir: %2</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>It is a link to %1, and that file cannot be made: %2</source>
        <translation>Es un enlace a %1, y ese archivo no se puede crear: %2</translation>
    </message>
    <message>
        <source>This is Goal %1.</source>
        <translation>Esta es la meta %1.</translation>
    </message>
    <message>
        <source>There is no folder for the goal notes.</source>
        <translation>No hay ninguna carpeta para las notas de metas.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It holds more than %1 characters, more than a goal note may hold.</source>
        <translation>Contiene más de %1 caracteres, más de los que admite una nota de meta.</translation>
    </message>
</context>
<context>
    <name>GoalFolders</name>
    <message>
        <source>Goal notes are not kept in %1, since it is not yours alone: %2</source>
        <translation>Las notas de metas no se guardan en %1, porque no es solo tuya: %2</translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Goal</source>
        <translation>Metas</translation>
    </message>
    <message>
        <source>Goal 1</source>
        <translation>Meta 1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Goal 2</source>
        <translation>Meta 2</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Volver al &amp;inicio</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio en casa. Monta tu propio negocio en internet y gana dinero en línea. Consigue este programa con tu marca para tu web. Haz clic para más detalles.</translation>
    </message>
    <message>
        <source>Palmora helps you learn the basics of palm reading and the interpretation of the different lines on your hands. </source>
        <translation>Palmora te ayuda a aprender los fundamentos de la lectura de manos y a interpretar las distintas líneas de tus manos. </translation>
    </message>
    <message>
        <source>This software is a great tool for beginners and novices who are new to the fascinating world of palmistry.</source>
        <translation>Este programa es una gran herramienta para principiantes y novatos que se adentran en el fascinante mundo de la quiromancia.</translation>
    </message>
    <message>
        <source>Select one of the three options to start the learning process.</source>
        <translation>Elige una de las tres opciones para empezar a aprender.</translation>
    </message>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Memorizar quiromancia</translation>
    </message>
    <message>
        <source>Test Myself on Palmistry</source>
        <translation>Ponerme a prueba</translation>
    </message>
    <message>
        <source>Set Goals</source>
        <translation>Fijar metas</translation>
    </message>
    <message>
        <source>&amp;Click Here To Proceed</source>
        <translation>Haz clic para &amp;continuar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre el programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
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
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>How often you answered each topic right, the weakest first:</source>
        <translation>Cuántas veces has acertado cada tema, empezando por los más débiles:</translation>
    </message>
    <message>
        <source>Your record on each topic</source>
        <translation>Tu historial en cada tema</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Por nombre</translation>
    </message>
    <message>
        <source>By Significance</source>
        <translation>Por significado</translation>
    </message>
    <message>
        <source>By Location / Shape</source>
        <translation>Por ubicación / forma</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your name can have at most %1 characters.</source>
        <translation>Tu nombre puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Your email address can have at most %1 characters.</source>
        <translation>Tu correo electrónico puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Your message can have at most %1 characters.</source>
        <translation>Tu mensaje puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Your friend&apos;s name can have at most %1 characters.</source>
        <translation>El nombre de tu amigo puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Your friend&apos;s email address can have at most %1 characters.</source>
        <translation>El correo electrónico de tu amigo puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Please Shorten Your Entries</source>
        <translation>Acorta los datos que has escrito</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>No se pudo crear el PDF.</translation>
    </message>
</context>
<context>
    <name>ResultHistory</name>
    <message>
        <source>It is damaged, or it is not a file of test results.</source>
        <translation>Está dañado o no es un archivo de resultados de pruebas.</translation>
    </message>
    <message>
        <source>It was written by another version of Palmora.</source>
        <translation>Lo escribió otra versión de Palmora.</translation>
    </message>
    <message>
        <source>It is damaged: its list of results is missing.</source>
        <translation>Está dañado: falta su lista de resultados.</translation>
    </message>
    <message>
        <source>It is damaged: result %1 cannot be read.</source>
        <translation>Está dañado: no se puede leer el resultado %1.</translation>
    </message>
    <message>
        <source>It is larger than a file of test results can be.</source>
        <translation>Es más grande de lo que puede ser un archivo de resultados de pruebas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Other users can change the folder %1.</source>
        <translation>Otros usuarios pueden modificar la carpeta %1.</translation>
    </message>
    <message>
        <source>Every name for setting it aside is taken already.</source>
        <translation>Ya están ocupados todos los nombres con los que podría apartarse.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>The file name is too long. A name in this folder can have at most %1 letters, fewer if some are accented or not Latin. Choose a shorter name.</source>
        <translation>El nombre del archivo es demasiado largo. En esta carpeta, un nombre puede tener como máximo %1 letras, o menos si algunas llevan tilde o no son latinas. Elige un nombre más corto.</translation>
    </message>
</context>
<context>
    <name>TestKinds</name>
    <message>
        <source>missed topics by name</source>
        <translation>por nombre (temas fallados)</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <source>missed topics by significance</source>
        <translation>por significado (temas fallados)</translation>
    </message>
    <message>
        <source>by significance</source>
        <translation>por significado</translation>
    </message>
    <message>
        <source>missed topics by location / shape</source>
        <translation>por ubicación / forma (temas fallados)</translation>
    </message>
    <message>
        <source>by location / shape</source>
        <translation>por ubicación / forma</translation>
    </message>
    <message>
        <source>weakest topics by name</source>
        <translation>por nombre (temas más débiles)</translation>
    </message>
    <message>
        <source>weakest topics by significance</source>
        <translation>por significado (temas más débiles)</translation>
    </message>
    <message>
        <source>weakest topics by location / shape</source>
        <translation>por ubicación / forma (temas más débiles)</translation>
    </message>
</context>
<context>
    <name>TestOptionsPage</name>
    <message>
        <source>Test Options</source>
        <translation>Tipo de prueba</translation>
    </message>
    <message>
        <source>Now prepare yourself for the test!</source>
        <translation>¡Ahora prepárate para la prueba!</translation>
    </message>
    <message>
        <source>Select one option below and click on the button to continue.</source>
        <translation>Elige una de las opciones de abajo y haz clic en el botón para continuar.</translation>
    </message>
    <message>
        <source>See the Image and Choose the Name of the Line / Shape from the given options.</source>
        <translation>Mira la imagen y elige el nombre de la línea / forma entre las opciones.</translation>
    </message>
    <message>
        <source>Test By Name of Line / Shape</source>
        <translation>Por nombre de línea / forma</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Significance of the Line / Shape from the given options.</source>
        <translation>Mira la imagen y elige el significado adecuado de la línea / forma entre las opciones.</translation>
    </message>
    <message>
        <source>Test By Significance</source>
        <translation>Por significado</translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Location / Shape from the given options.</source>
        <translation>Mira la imagen y elige la ubicación / forma adecuada entre las opciones.</translation>
    </message>
    <message>
        <source>Test By Location / Shape</source>
        <translation>Por ubicación / forma</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Volver al &amp;inicio</translation>
    </message>
    <message>
        <source>&amp;Click Here To Start The Test</source>
        <translation>Haz clic para &amp;empezar la prueba</translation>
    </message>
    <message>
        <source>Your last results</source>
        <translation>Tus últimos resultados</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>Mi &amp;progreso</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Tus puntuaciones a lo largo del tiempo y cuántas veces has acertado cada tema</translation>
    </message>
    <message>
        <source>Test My &amp;Weakest Topics</source>
        <translation>Prueba de &amp;temas más débiles</translation>
    </message>
    <message>
        <source>A test of the chosen kind of the ten topics you answered right least often</source>
        <translation>Una prueba, del tipo elegido, de los diez temas que menos veces has acertado</translation>
    </message>
</context>
<context>
    <name>TestQuestionPage</name>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Name of Line / Shape</source>
        <translation>Nombre de línea / forma</translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation>&amp;Siguiente</translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source>Your Answer:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Correct Choice: </source>
        <translation>Opción correcta: </translation>
    </message>
    <message>
        <source>%1 Correct out of 10 Questions</source>
        <translation>Respuestas correctas: %1 de 10 preguntas</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>A test of the topics you missed in your last test</source>
        <translation>Una prueba de los temas que fallaste en tu última prueba</translation>
    </message>
    <message>
        <source>%1 Correct out of 1 Question</source>
        <translation>Respuestas correctas: %1 de 1 pregunta</translation>
    </message>
    <message>
        <source>%1 Correct out of %2 Questions</source>
        <translation>Respuestas correctas: %1 de %2 preguntas</translation>
    </message>
    <message>
        <source>A test of the topics you have answered right least often</source>
        <translation>Una prueba de los temas que menos veces has acertado</translation>
    </message>
</context>
<context>
    <name>TestResultPage</name>
    <message>
        <source>Test Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Print Test Results</source>
        <translation>&amp;Imprimir resultados</translation>
    </message>
    <message>
        <source>&amp;Start Test Once More</source>
        <translation>&amp;Hacer otra prueba</translation>
    </message>
    <message>
        <source>&amp;Repeat The Missed Topics</source>
        <translation>&amp;Repetir temas fallados</translation>
    </message>
    <message>
        <source>A test of just the topics answered wrong, asked in the same way</source>
        <translation>Una prueba solo de los temas fallados, con el mismo tipo de pregunta</translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation>Mi &amp;progreso</translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation>Tus puntuaciones a lo largo del tiempo y cuántas veces has acertado cada tema</translation>
    </message>
</context>
<context>
    <name>TopicBrowser</name>
    <message>
        <source>Memorize Palmistry</source>
        <translation>Memorizar quiromancia</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Shape / Location</source>
        <translation>Forma / ubicación</translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation>Volver al &amp;inicio</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>A&amp;vanzar</translation>
    </message>
    <message>
        <source>Your record on this topic</source>
        <translation>Tu historial en este tema</translation>
    </message>
</context>
<context>
    <name>TopicData</name>
    <message>
        <source>Shape of Hands - Square Hand</source>
        <translation>Forma de la mano - Mano cuadrada</translation>
    </message>
    <message>
        <source>You will be orderly, punctual and precise in everything you do. You respect rules, value routine and like to see a plan through to the end. You are practical and reliable, trusted to keep your word. You may be cautious with new ideas until they are tested, but once convinced you work steadily and very well.</source>
        <translation>Serás una persona ordenada, puntual y precisa en todo lo que hagas. Respetas las normas, valoras la rutina y te gusta llevar cada plan hasta el final. Tienes sentido práctico y eres de fiar: los demás confían en que cumplirás tu palabra. Puede que recibas con cautela las ideas nuevas hasta verlas probadas, pero, una vez que te convencen, trabajas con constancia y muy bien.</translation>
    </message>
    <message>
        <source>The palm is square at the wrist, square at the finger base, and each fingertip is square as well.</source>
        <translation>La palma es cuadrada en la muñeca y en la base de los dedos, y la punta de cada dedo también es cuadrada.</translation>
    </message>
    <message>
        <source>Shape of Hands - Spatulate Hand</source>
        <translation>Forma de la mano - Mano espatulada</translation>
    </message>
    <message>
        <source>If hard and firm, you will be restless, energetic and full of drive. You love action, invention and discovery, and you are happiest building something new or exploring places you have not seen. You are independent and original, and you do not follow custom simply because others do. If the hand is soft and flabby, that energy shows in bursts: you start many projects with great excitement but may tire of them quickly. Either way, you think for yourself, enjoy practical work with tools and machines, and admire courage in others.</source>
        <translation>Si la mano es dura y firme, serás una persona inquieta, enérgica y llena de empuje. Te encantan la acción, la invención y el descubrimiento, y nunca eres tan feliz como cuando construyes algo nuevo o exploras lugares que aún no has visto. Eres independiente y original, y no sigues las costumbres solo porque los demás lo hagan. Si la mano es blanda y flácida, esa energía aparece a rachas: empiezas muchos proyectos con gran entusiasmo, pero puede que te canses pronto de ellos. En cualquier caso, piensas con tu propia cabeza, disfrutas del trabajo práctico con herramientas y máquinas, y admiras el valor en los demás.</translation>
    </message>
    <message>
        <source>The tip of each finger and the palm flare out wide like a spatula. The palm is widest either at the wrist or at the finger base.</source>
        <translation>La punta de cada dedo y la palma se ensanchan como una espátula. La palma es más ancha en la muñeca o en la base de los dedos.</translation>
    </message>
    <message>
        <source>Shape of Hands - Conical Hand</source>
        <translation>Forma de la mano - Mano cónica</translation>
    </message>
    <message>
        <source>You will be impulsive and instinctive in your choices, guided more by feeling than by cold reason. You have a strong sense of beauty and are drawn to art, music, color and graceful things. You pick up ideas quickly and are charming company, though you may lose patience with routine and dislike detailed, dull work.<byte value="xd"/>
If you have a firm hand, you will have greater energy and firmness of will.</source>
        <translation>Tus decisiones serán impulsivas e instintivas, guiadas más por el sentimiento que por la fría razón. Tienes un gran sentido de la belleza y te atraen el arte, la música, el color y todo lo que tiene gracia. Captas las ideas con rapidez y eres una compañía encantadora, aunque puede que la rutina te haga perder la paciencia y que no te guste el trabajo minucioso y monótono.<byte value="xd"/>
Si tienes la mano firme, tendrás más energía y una voluntad más firme.</translation>
    </message>
    <message>
        <source>The palm is slightly tapering, fingers full at the base and rounded, with tips shaped like cones.</source>
        <translation>La palma se estrecha ligeramente; los dedos son gruesos en la base y redondeados, con las puntas en forma de cono.</translation>
    </message>
    <message>
        <source>Shape of Hands - Psychic Hand</source>
        <translation>Forma de la mano - Mano psíquica</translation>
    </message>
    <message>
        <source>You have a purely visionary, idealistic nature. You live much of your life among dreams, feelings and ideals, and you are very sensitive to beauty and to the moods of those around you. You trust your intuition and may have a keen interest in spiritual or mystical matters. Practical affairs, money and tight schedules may not come easily to you, so you do best with patient, down-to-earth friends who help you turn dreams into deeds.</source>
        <translation>Tienes una naturaleza puramente visionaria e idealista. Vives buena parte de tu vida entre sueños, sentimientos e ideales, y eres muy sensible a la belleza y al estado de ánimo de quienes te rodean. Confías en tu intuición y puede que sientas un vivo interés por los asuntos espirituales o místicos. Las cuestiones prácticas, el dinero y los horarios apretados quizá no se te den bien, así que te va mejor con amigos pacientes y con los pies en la tierra que te ayuden a convertir los sueños en hechos.</translation>
    </message>
    <message>
        <source>It is a beautiful hand with long, narrow, slender fingers on a delicate palm, with tips ending in fine points.</source>
        <translation>Es una mano hermosa, de dedos largos, estrechos y finos sobre una palma delicada, con los extremos terminados en una punta fina.</translation>
    </message>
    <message>
        <source>Shape of Hands - Mixed Hand</source>
        <translation>Forma de la mano - Mano mixta</translation>
    </message>
    <message>
        <source>You have ideas, versatile and changeability of purpose. You adapt very easily to new people and places and can turn your hand to many different tasks. You are good at seeing a problem from several sides at once. The challenge is to choose one path and stay with it long enough to reach real mastery.</source>
        <translation>Tienes ideas y versatilidad, y cambias a menudo de propósito. Te adaptas con mucha facilidad a personas y lugares nuevos, y sabes desenvolverte en tareas muy distintas. Se te da bien ver un problema desde varios ángulos a la vez. Tu reto es elegir un camino y mantenerte en él el tiempo suficiente para llegar a dominarlo de verdad.</translation>
    </message>
    <message>
        <source>This has fingers of different types and hand shapes, mixed together on a single hand.</source>
        <translation>Tiene dedos de distintos tipos y mezcla varias formas de mano en una sola.</translation>
    </message>
    <message>
        <source>Finger Shapes - Conical Fingers</source>
        <translation>Forma de los dedos - Dedos cónicos</translation>
    </message>
    <message>
        <source>You love beauty in all forms. You are sensitive to color, sound and shape, and you enjoy painting, music and poetry. You rely on impressions and first feelings much more than on careful analysis. You are warm and easy to like, but you may be impatient with details and find long, dull routines hard to bear.</source>
        <translation>Amas la belleza en todas sus formas. Eres sensible al color, al sonido y a la forma, y disfrutas de la pintura, la música y la poesía. Te fías mucho más de las impresiones y de lo que sientes a primera vista que de un análisis detenido. Eres una persona cálida que cae bien enseguida, pero puede que los detalles te impacienten y que las rutinas largas y monótonas se te hagan difíciles de soportar.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a cone.</source>
        <translation>Los dedos tienen forma de cono.</translation>
    </message>
    <message>
        <source>Finger Shapes - Spatulate Fingers</source>
        <translation>Forma de los dedos - Dedos espatulados</translation>
    </message>
    <message>
        <source>You love the outdoors and enjoy traveling. Your mind is active and original, and you like to invent, make and try things out for yourself. You are energetic, practical and rarely able to sit still for long. Sport, nature and adventure appeal to you, and you tend to act first and think about the details afterwards.</source>
        <translation>Te encanta la vida al aire libre y disfrutas viajando. Tu mente es activa y original, y te gusta inventar, fabricar y probar las cosas por tu cuenta. Tienes energía y sentido práctico, y rara vez aguantas mucho tiempo sin moverte. Te atraen el deporte, la naturaleza y la aventura, y sueles actuar primero y pensar en los detalles después.</translation>
    </message>
    <message>
        <source>The fingers are shaped like a spatula.</source>
        <translation>Los dedos tienen forma de espátula.</translation>
    </message>
    <message>
        <source>Finger Shapes - Straight Fingers</source>
        <translation>Forma de los dedos - Dedos rectos</translation>
    </message>
    <message>
        <source>You are very honest by nature and may speak your mind openly, even when that is not easy. You keep a good balance between feeling and reason, and others see you as a fair and steady friend. You like to deal straightforwardly with people and prefer a simple, honest truth to a clever excuse.</source>
        <translation>Eres una persona muy honesta por naturaleza y puede que digas abiertamente lo que piensas, aunque no resulte fácil. Mantienes un buen equilibrio entre el sentimiento y la razón, y los demás te ven como alguien justo y constante en la amistad. Te gusta tratar con la gente de forma directa y prefieres una verdad sencilla y honesta a una excusa ingeniosa.</translation>
    </message>
    <message>
        <source>The finger is straight in shape.</source>
        <translation>El dedo es de forma recta.</translation>
    </message>
    <message>
        <source>Finger Shapes - Square Fingers</source>
        <translation>Forma de los dedos - Dedos cuadrados</translation>
    </message>
    <message>
        <source>You have a very methodical and organized approach to life. You like order, clear rules and doing things in the proper way. You plan ahead, keep your word and finish what you start. You are practical and sensible, though at times you may seem a little rigid to people who work by instinct.</source>
        <translation>Afrontas la vida de un modo muy metódico y organizado. Te gustan el orden, las normas claras y hacer las cosas como es debido. Planificas con antelación, cumples tu palabra y terminas lo que empiezas. Tienes sentido práctico y sensatez, aunque a veces, a quien se guía por el instinto, puedes parecerle un poco inflexible.</translation>
    </message>
    <message>
        <source>The fingers are rectangular shaped.</source>
        <translation>Los dedos tienen forma rectangular.</translation>
    </message>
    <message>
        <source>Finger Shapes - Knotty Fingers</source>
        <translation>Forma de los dedos - Dedos nudosos</translation>
    </message>
    <message>
        <source>You are a planner and need to have every fact in place before you act. You think things through carefully, question what you are told and enjoy analysis, research and deep thinking. You may have a philosophical turn of mind and are rarely carried away by impulse.</source>
        <translation>Te gusta planificar y necesitas tener todos los datos en su sitio antes de actuar. Piensas las cosas con detenimiento, cuestionas lo que te cuentan y disfrutas del análisis, la investigación y la reflexión profunda. Es posible que tengas una mente filosófica, y rara vez te dejas llevar por los impulsos.</translation>
    </message>
    <message>
        <source>The fingers seem jointed together.</source>
        <translation>Los dedos parecen piezas unidas por sus articulaciones.</translation>
    </message>
    <message>
        <source>Shape of Nails - Short and Wide</source>
        <translation>Forma de las uñas - Cortas y anchas</translation>
    </message>
    <message>
        <source>You may have a bad short temper. But your anger passes as quickly as it comes, and you forgive easily and do not hold grudges. You are quick-witted and energetic, with a sharp eye for faults, and you may be critical of others and of yourself. You like to argue a point.</source>
        <translation>Puede que tengas mal genio y te enfades con facilidad. Pero el enfado se te pasa tan rápido como llega, perdonas sin esfuerzo y no guardas rencor. Tienes una mente rápida y mucha energía, con buen ojo para los fallos, y puede que juzgues con severidad a los demás y también a ti. Te gusta discutir para defender tu postura.</translation>
    </message>
    <message>
        <source>Shape / Location is not available.</source>
        <translation>La forma / ubicación no está disponible.</translation>
    </message>
    <message>
        <source>Shape of Nails - Broad and Square</source>
        <translation>Forma de las uñas - Anchas y cuadradas</translation>
    </message>
    <message>
        <source>You may be a calm and an easygoing person who is hard to upset. You are patient, fair and steady under stress. You take life as it comes, and people find you restful company and a good person to turn to in a real crisis.</source>
        <translation>Es posible que seas una persona tranquila y de trato fácil, a la que cuesta alterar. Tienes paciencia, sentido de la justicia y aplomo ante la presión. Te tomas la vida como viene, y la gente encuentra en ti una compañía sosegada y alguien a quien acudir en una verdadera crisis.</translation>
    </message>
    <message>
        <source>Shape of Nails - Long and Narrow</source>
        <translation>Forma de las uñas - Largas y estrechas</translation>
    </message>
    <message>
        <source>You are very intuitive by nature. You may have artistic talent and a love of beauty. You are idealistic and imaginative, and you sometimes prefer dreams to hard facts. You are kind and gentle with others.</source>
        <translation>Por naturaleza tienes mucha intuición. Es posible que tengas talento artístico y amor por la belleza. Eres idealista y tienes mucha imaginación, y a veces prefieres los sueños a los hechos concretos. Tratas a los demás con bondad y delicadeza.</translation>
    </message>
    <message>
        <source>Shape of Nails - Almond-Shaped</source>
        <translation>Forma de las uñas - Almendradas</translation>
    </message>
    <message>
        <source>You have a gentle personality and are sensitive to the feelings of others. You are kind, courteous and dislike quarrels, preferring peace and calm.</source>
        <translation>Tienes una personalidad apacible y eres sensible a los sentimientos de los demás. Eres amable y cortés, y no te gustan las peleas: prefieres la paz y la calma.</translation>
    </message>
    <message>
        <source>Life Line</source>
        <translation>Línea de la vida</translation>
    </message>
    <message>
        <source>This line represents the vigor and length of your vitality and the quality of your life. It does not foretell how many years you will live, however.</source>
        <translation>Esta línea representa el vigor y la duración de tu vitalidad, así como la calidad de tu vida. Sin embargo, no predice cuántos años vivirás.</translation>
    </message>
    <message>
        <source>This line starts from the side of palm between thumb and index finger and curves down around the ball of the thumb, the mount of Venus, to the wrist.</source>
        <translation>Esta línea nace en el borde de la palma, entre el pulgar y el índice, y baja curvándose alrededor de la base carnosa del pulgar, el monte de Venus, hasta la muñeca.</translation>
    </message>
    <message>
        <source>Head Line</source>
        <translation>Línea de la cabeza</translation>
    </message>
    <message>
        <source>This line indicates mainly the mentality of a person: the intellect, the powers of reason and concentration, and the normal way of thinking.</source>
        <translation>Esta línea indica sobre todo la mentalidad de la persona: el intelecto, la capacidad de razonar y de concentrarse, y su forma habitual de pensar.</translation>
    </message>
    <message>
        <source>This line rises just above the Life Line and then crosses the palm.</source>
        <translation>Esta línea nace justo por encima de la línea de la vida y después cruza la palma.</translation>
    </message>
    <message>
        <source>Heart Line</source>
        <translation>Línea del corazón</translation>
    </message>
    <message>
        <source>This line indicates love, or the attraction of the heart: affection, warmth and the whole emotional life of a person.</source>
        <translation>Esta línea indica el amor, es decir, la atracción del corazón: el afecto, la calidez y toda la vida emocional de la persona.</translation>
    </message>
    <message>
        <source>This line runs across the upper portion of the palm, just beneath the fingers, from the outer edge under the little finger towards the index or the middle finger.</source>
        <translation>Esta línea atraviesa la parte superior de la palma, justo por debajo de los dedos, desde el borde exterior bajo el meñique hacia el índice o el dedo medio.</translation>
    </message>
    <message>
        <source>Fate Line</source>
        <translation>Línea de la suerte</translation>
    </message>
    <message>
        <source>This line is the center upright line on the palm and is also called the line of Destiny. It shows your career, the path your life takes, and how outside events and other people shape it. A clear, deep line suggests a steady sense of purpose, while breaks may mark changes of work or home.</source>
        <translation>Es la línea vertical del centro de la palma y también se llama línea del destino. Muestra tu trayectoria profesional, el camino que sigue tu vida y cómo lo moldean los acontecimientos externos y otras personas. Una línea clara y profunda sugiere un propósito firme y constante, mientras que sus cortes pueden señalar cambios de trabajo o de hogar.</translation>
    </message>
    <message>
        <source>This line starts in the middle of the base of the palm and rises straight to the middle finger.</source>
        <translation>Esta línea nace en el centro de la base de la palma y sube recta hasta el dedo medio.</translation>
    </message>
    <message>
        <source>Fame Line</source>
        <translation>Línea de la fama</translation>
    </message>
    <message>
        <source>This line is also called the line of the Sun or the line of Apollo. It shows success, fame, recognition, creative talent and the joy you find in your work.</source>
        <translation>Esta línea también se llama línea del Sol o línea de Apolo. Muestra el éxito, la fama, el reconocimiento, el talento creativo y la alegría que encuentras en tu trabajo.</translation>
    </message>
    <message>
        <source>This line runs parallel to Line of Fate, on its outer side, and rises up toward the ring finger. It may start low near the wrist or higher up the palm, and in many hands it is quite short or faint, or it may even be missing altogether.</source>
        <translation>Esta línea corre paralela a la línea de la suerte, por su lado exterior, y sube hacia el dedo anular. Puede nacer abajo, cerca de la muñeca, o más arriba en la palma; en muchas manos es bastante corta o tenue, e incluso puede faltar por completo.</translation>
    </message>
    <message>
        <source>Marriage or Relationship Line</source>
        <translation>Línea del matrimonio o de las relaciones</translation>
    </message>
    <message>
        <source>Light lines will indicate romances and strong ones show marriages or deep, lasting partnerships. Taken together, these reveal the important relationships in your life.</source>
        <translation>Las líneas finas indican romances, y las marcadas, matrimonios o relaciones profundas y duraderas. En conjunto, revelan las relaciones importantes de tu vida.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the little finger, on the outside.</source>
        <translation>Son líneas horizontales situadas en la base del meñique, en el borde exterior de la mano.</translation>
    </message>
    <message>
        <source>Health Line</source>
        <translation>Línea de la salud</translation>
    </message>
    <message>
        <source>This line indicates the growth of illness and recovery, as well as your general health.</source>
        <translation>Esta línea indica cómo avanzan las enfermedades y cómo te recuperas de ellas, así como tu salud en general.</translation>
    </message>
    <message>
        <source>This line starts below the ring finger and runs diagonally to the thumb.</source>
        <translation>Esta línea nace bajo el dedo anular y recorre la palma en diagonal hacia el pulgar.</translation>
    </message>
    <message>
        <source>Travel Line</source>
        <translation>Línea de los viajes</translation>
    </message>
    <message>
        <source>This line indicates major travels that influence your life.</source>
        <translation>Esta línea indica los grandes viajes que influyen en tu vida.</translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the palm on the outer edge.</source>
        <translation>Son líneas horizontales situadas en la parte baja de la palma, en el borde exterior.</translation>
    </message>
    <message>
        <source>Girdle of Venus</source>
        <translation>Cinturón de Venus</translation>
    </message>
    <message>
        <source>The Girdle of Venus is associated with emotions, sensitivity and deep feeling.</source>
        <translation>El cinturón de Venus se asocia con las emociones, la sensibilidad y los sentimientos profundos.</translation>
    </message>
    <message>
        <source>The Girdle of Venus is a semicircle that lies between the Heart Line and the bases of the middle and the ring fingers.</source>
        <translation>El cinturón de Venus es un semicírculo situado entre la línea del corazón y la base de los dedos medio y anular.</translation>
    </message>
</context>
<context>
    <name>TopicRecords</name>
    <message>
        <source>Not asked in your tests yet</source>
        <translation>Aún no ha salido en tus pruebas</translation>
    </message>
    <message>
        <source>Answered right %1 of 1 time</source>
        <translation>Lo has acertado %1 de 1 vez</translation>
    </message>
    <message>
        <source>Answered right %1 of %2 times</source>
        <translation>Lo has acertado %1 de %2 veces</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>no ha salido</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 acertadas</translation>
    </message>
    <message>
        <source>Your record cannot be shown: your earlier results cannot be read. %1</source>
        <translation>No se puede mostrar tu historial porque no se pueden leer tus resultados anteriores. %1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización disponible para este programa</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n bytes.</source>
        <translation>
            <numerusform>Ocupa más de %n byte.</numerusform>
            <numerusform>Ocupa más de %n bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>palmora::AboutDialog</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic para visitar %1</translation>
    </message>
</context>
<context>
    <name>palmora::ApplicationController</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está en marcha</translation>
    </message>
</context>
<context>
    <name>palmora::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic para visitar %1 ahora</translation>
    </message>
</context>
<context>
    <name>palmora::GoalsPage</name>
    <message>
        <source>Goal %1 note</source>
        <translation>Nota de la meta %1</translation>
    </message>
    <message>
        <source>Save Goal %1</source>
        <translation>Guardar la meta %1</translation>
    </message>
    <message>
        <source>A goal note can hold up to %1 characters. What you typed or pasted would take Goal %2 past that, so it was not added.</source>
        <translation>Una nota de meta admite hasta %1 caracteres. Lo que has escrito o pegado haría que la meta %2 superase ese límite, así que no se ha añadido.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Goal %1 was not saved.

%2 could not be read when Palmora started: %3

Saving now would replace what that file holds. Your text is still here; move or rename the file, then save again.</source>
        <translation>La meta %1 no se ha guardado.

No se pudo leer %2 al iniciarse Palmora: %3

Si guardas ahora, se sustituiría lo que contiene ese archivo. Tu texto sigue aquí; mueve el archivo o cámbiale el nombre y vuelve a guardar.</translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.

%3

The file was left as it was and your text is still here, so you can try again.</source>
        <translation>No se pudo guardar la meta %1 en %2.

%3

El archivo se ha quedado como estaba y tu texto sigue aquí, así que puedes volver a intentarlo.</translation>
    </message>
    <message>
        <source>Goal %1 has changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>La meta %1 tiene cambios sin guardar.

¿Quieres guardarlos antes de que se cierre Palmora?</translation>
    </message>
    <message>
        <source>Goal 1 and Goal 2 have changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation>Las metas 1 y 2 tienen cambios sin guardar.

¿Quieres guardarlos antes de que se cierre Palmora?</translation>
    </message>
</context>
<context>
    <name>palmora::MainWindow</name>
    <message>
        <source>The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>El foro de debate de Vesper más popular de internet. Haz clic para visitar %1 ahora.</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Elige una opción</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressChart</name>
    <message>
        <source>Chart of your test scores</source>
        <translation>Gráfico de las puntuaciones de tus pruebas</translation>
    </message>
    <message>
        <source>No tests yet. After your first test this chart shows the score of each test over time, and the table shows how often you answered each topic right.</source>
        <translation>Todavía no hay pruebas. Después de tu primera prueba, este gráfico mostrará la puntuación de cada prueba a lo largo del tiempo, y la tabla, cuántas veces has acertado cada tema.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 acertadas</translation>
    </message>
    <message>
        <source>%1, %2: %3.</source>
        <translation>%1, %2: %3.</translation>
    </message>
    <message>
        <source>%1, %2: %3, not counted as progress.</source>
        <translation>%1, %2: %3, no cuenta como progreso.</translation>
    </message>
    <message>
        <source>Your one test so far, scored from 0 to 10 right answers.</source>
        <translation>Tu única prueba hasta ahora, puntuada de 0 a 10 respuestas acertadas.</translation>
    </message>
    <message>
        <source>Your last %1 tests, oldest first, scored from 0 to 10 right answers.</source>
        <translation>Tus últimas %1 pruebas, de la más antigua a la más reciente, puntuadas de 0 a 10 respuestas acertadas.</translation>
    </message>
    <message>
        <source>Your scores will appear here after your first test, one mark for each test.</source>
        <translation>Tus puntuaciones aparecerán aquí después de tu primera prueba, con una marca por cada prueba.</translation>
    </message>
    <message>
        <source>missed or weakest topics, not counted as progress</source>
        <translation>temas fallados o más débiles, no cuentan como progreso</translation>
    </message>
</context>
<context>
    <name>palmora::ProgressPage</name>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>palmora::ReferralFieldEdit</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>palmora::ResultChart</name>
    <message>
        <source>Chart of your last results</source>
        <translation>Gráfico de tus últimos resultados</translation>
    </message>
    <message>
        <source>%1 of %2 (missed topics)</source>
        <translation>%1 de %2 (temas fallados)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Todavía no hay resultados.</translation>
    </message>
    <message>
        <source>Oldest to newest: %1</source>
        <translation>Del más antiguo al más reciente: %1</translation>
    </message>
    <message>
        <source>Your last %1 results, oldest on the left: the higher the bar, the more answers were right. The lighter bars are tests of the topics missed before or answered right least often.</source>
        <translation>Tus últimos %1 resultados, el más antiguo a la izquierda: cuanto más alta es la barra, más respuestas acertadas. Las barras más claras son pruebas de los temas fallados antes o de los que menos veces has acertado.</translation>
    </message>
    <message>
        <source>%1 of %2 (weakest topics)</source>
        <translation>%1 de %2 (temas más débiles)</translation>
    </message>
</context>
<context>
    <name>palmora::SelfTest</name>
    <message>
        <source>Please select a test option</source>
        <translation>Elige un tipo de prueba</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Please select an answer</source>
        <translation>Elige una respuesta</translation>
    </message>
    <message>
        <source>Your earlier results cannot be read, so new results are not kept.</source>
        <translation>No se pueden leer tus resultados anteriores, así que los nuevos no se guardan.</translation>
    </message>
    <message>
        <source>The result of this test could not be added to your results in %1.

%2

The results kept before are as they were.</source>
        <translation>No se pudo añadir el resultado de esta prueba a tus resultados en %1.

%2

Los resultados guardados antes siguen como estaban.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is, and the results of new tests are not kept while it is there. Do you want to set it aside under a new name, so that your results are kept in a new file from now on?</source>
        <translation>No se pueden leer los resultados de tus pruebas anteriores desde %1.

%2

El archivo se ha dejado tal como está y, mientras siga ahí, los resultados de las pruebas nuevas no se guardan. ¿Quieres apartarlo con otro nombre para que, a partir de ahora, tus resultados se guarden en un archivo nuevo?</translation>
    </message>
    <message>
        <source>The file %1 could not be set aside.

%2

It is still there as it was.</source>
        <translation>No se pudo apartar el archivo %1.

%2

Sigue ahí, tal como estaba.</translation>
    </message>
    <message>
        <source>The file was kept as %1. The results of your next tests are kept in a new file.</source>
        <translation>El archivo se ha conservado como %1. Los resultados de tus próximas pruebas se guardarán en un archivo nuevo.</translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is. New results are not kept in that folder: %3</source>
        <translation>No se pueden leer los resultados de tus pruebas anteriores desde %1.

%2

El archivo se ha dejado tal como está. Los resultados nuevos no se guardan en esa carpeta: %3</translation>
    </message>
</context>
<context>
    <name>palmora::TestOptionsPage</name>
    <message>
        <source>%1 of %2 right, %3, %4</source>
        <translation>%1 de %2 acertadas, %3, %4</translation>
    </message>
    <message>
        <source>Your results will be listed here after your first test.</source>
        <translation>Tus resultados aparecerán aquí después de tu primera prueba.</translation>
    </message>
</context>
<context>
    <name>palmora::TestQuestionPage</name>
    <message>
        <source>Question picture</source>
        <translation>Imagen de la pregunta</translation>
    </message>
</context>
<context>
    <name>palmora::TestResultPage</name>
    <message>
        <source>Test report</source>
        <translation>Informe de la prueba</translation>
    </message>
    <message>
        <source>Print buffer</source>
        <translation>Texto para imprimir</translation>
    </message>
    <message>
        <source>The test results were not printed: the printer &quot;%1&quot; did not accept the print job.

Check that the printer is ready and press &quot;Print Test Results&quot; again.</source>
        <translation>Los resultados de la prueba no se han imprimido: la impresora «%1» no aceptó el trabajo de impresión.

Comprueba que la impresora esté lista y vuelve a pulsar «Imprimir resultados».</translation>
    </message>
    <message>
        <source>The test results were not printed because no printer is installed on this computer. To print them, install a printer, make it the default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Los resultados de la prueba no se han imprimido porque no hay ninguna impresora instalada en este ordenador. Para imprimirlos, instala una impresora, establécela como predeterminada y vuelve a pulsar «Imprimir resultados».</translation>
    </message>
    <message>
        <source>The test results were not printed because none of the installed printers is set as the default printer. To print them, choose a default printer and press &quot;Print Test Results&quot; again.</source>
        <translation>Los resultados de la prueba no se han imprimido porque ninguna de las impresoras instaladas está establecida como predeterminada. Para imprimirlos, elige una impresora predeterminada y vuelve a pulsar «Imprimir resultados».</translation>
    </message>
    <message>
        <source>Do you want to save the test results as a PDF file instead?</source>
        <translation>¿Prefieres guardar los resultados de la prueba como archivo PDF?</translation>
    </message>
    <message>
        <source>Save Test Results as PDF</source>
        <translation>Guardar resultados como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The test results could not be saved to %1.

%2

Nothing was written there and the results are still here, so you can try again.</source>
        <translation>No se pudieron guardar los resultados de la prueba en %1.

%2

No se ha escrito nada allí y los resultados siguen aquí, así que puedes volver a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>The test results were not printed because the print system did not answer within %n seconds. To print them, check that the printer and the print system are running and press &quot;Print Test Results&quot; again.</source>
        <translation>
            <numerusform>Los resultados de la prueba no se han imprimido porque el sistema de impresión no respondió en %n segundo. Para imprimirlos, comprueba que la impresora y el sistema de impresión estén en marcha y vuelve a pulsar «Imprimir resultados».</numerusform>
            <numerusform>Los resultados de la prueba no se han imprimido porque el sistema de impresión no respondió en %n segundos. Para imprimirlos, comprueba que la impresora y el sistema de impresión estén en marcha y vuelve a pulsar «Imprimir resultados».</numerusform>
        </translation>
    </message>
    <message>
        <source>The test results were not printed because the print system did not answer.</source>
        <translation>Los resultados de la prueba no se han imprimido porque el sistema de impresión no respondió.</translation>
    </message>
    <message>
        <source>The test results were saved to %1.</source>
        <translation>Los resultados de la prueba se han guardado en %1.</translation>
    </message>
</context>
<context>
    <name>palmora::TopicBrowser</name>
    <message>
        <source>Topic picture</source>
        <translation>Imagen del tema</translation>
    </message>
    <message>
        <source>You are at the last record</source>
        <translation>Estás en la última ficha</translation>
    </message>
    <message>
        <source>You are at the first record</source>
        <translation>Estás en la primera ficha</translation>
    </message>
</context>
</TS>

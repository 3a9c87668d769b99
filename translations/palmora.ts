<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palmora is a learn-and-test yourself on palmistry software. It is a simple aid for novices who are starting out in the study of palmistry or hand reading, and it helps beginners learn the basics and then test how well they understand them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Palmora v%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Vesper Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Vesper Softwares</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitTexts</name>
    <message>
        <source>Vesper Softwares, such as this can be created and kept free only with the help of people like you. Please visit our forum often, join in the discussions, share what you know and ask about whatever you would still like to learn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support the forum that keeps this software free: read the newest threads, answer a question whenever you can and tell others what you have learnt. Your posts help us all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for curious people. Drop in often, post your questions and answers, and help keep free software alive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit the forum regularly, take part in a discussion or two and bring a friend along. Every visit helps us create more free programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will like the other programs we make. Star Chart Tutor walks you through the signs of the zodiac and the meaning of each house. Number Lore teaches the basics of numerology with short lessons and quick quizzes. Dream Journal Keeper lets you note your dreams and look back on them later. Face Reading Primer shows what the features of a face are said to reveal, and Herb Garden Notes helps you plan a small garden. Every one of them is free to download, simple to learn and small enough for any computer. Visit our software page to see the full list and fetch the ones you like.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Palmora kept the file busy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palmora may not write in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the folder %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTrust</name>
    <message>
        <source>%1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be examined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users can change %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link that another user made, and Palmora does not follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link that cannot be followed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>It is a link to %1, and that file cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is Goal %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder for the goal notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds more than %1 characters, more than a goal note may hold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalFolders</name>
    <message>
        <source>Goal notes are not kept in %1, since it is not yours alone: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palmora helps you learn the basics of palm reading and the interpretation of the different lines on your hands. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is a great tool for beginners and novices who are new to the fascinating world of palmistry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of the three options to start the learning process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Palmistry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Myself on Palmistry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Click Here To Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Palmora</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often you answered each topic right, the weakest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record on each topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Location / Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friend&apos;s name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friend&apos;s email address can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Shorten Your Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultHistory</name>
    <message>
        <source>It is damaged, or it is not a file of test results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was written by another version of Palmora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: its list of results is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged: result %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than a file of test results can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users can change the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every name for setting it aside is taken already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>The file name is too long. A name in this folder can have at most %1 letters, fewer if some are accented or not Latin. Choose a shorter name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestKinds</name>
    <message>
        <source>missed topics by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed topics by significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed topics by location / shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by location / shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weakest topics by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weakest topics by significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weakest topics by location / shape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestOptionsPage</name>
    <message>
        <source>Test Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now prepare yourself for the test!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one option below and click on the button to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the Image and Choose the Name of the Line / Shape from the given options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test By Name of Line / Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Significance of the Line / Shape from the given options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test By Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the Image and Choose the Appropriate Location / Shape from the given options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test By Location / Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Click Here To Start The Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test My &amp;Weakest Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A test of the chosen kind of the ten topics you answered right least often</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestQuestionPage</name>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of Line / Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source>Your Answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct Choice: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Correct out of 10 Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A test of the topics you missed in your last test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Correct out of 1 Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Correct out of %2 Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A test of the topics you have answered right least often</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestResultPage</name>
    <message>
        <source>Test Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Test Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Test Once More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat The Missed Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A test of just the topics answered wrong, asked in the same way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Pro&amp;gress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your scores over time and how often you answered each topic right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicBrowser</name>
    <message>
        <source>Memorize Palmistry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape / Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To &amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record on this topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicData</name>
    <message>
        <source>Shape of Hands - Square Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be orderly, punctual and precise in everything you do. You respect rules, value routine and like to see a plan through to the end. You are practical and reliable, trusted to keep your word. You may be cautious with new ideas until they are tested, but once convinced you work steadily and very well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palm is square at the wrist, square at the finger base, and each fingertip is square as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Hands - Spatulate Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If hard and firm, you will be restless, energetic and full of drive. You love action, invention and discovery, and you are happiest building something new or exploring places you have not seen. You are independent and original, and you do not follow custom simply because others do. If the hand is soft and flabby, that energy shows in bursts: you start many projects with great excitement but may tire of them quickly. Either way, you think for yourself, enjoy practical work with tools and machines, and admire courage in others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tip of each finger and the palm flare out wide like a spatula. The palm is widest either at the wrist or at the finger base.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Hands - Conical Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be impulsive and instinctive in your choices, guided more by feeling than by cold reason. You have a strong sense of beauty and are drawn to art, music, color and graceful things. You pick up ideas quickly and are charming company, though you may lose patience with routine and dislike detailed, dull work.<byte value="xd"/>
If you have a firm hand, you will have greater energy and firmness of will.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palm is slightly tapering, fingers full at the base and rounded, with tips shaped like cones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Hands - Psychic Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a purely visionary, idealistic nature. You live much of your life among dreams, feelings and ideals, and you are very sensitive to beauty and to the moods of those around you. You trust your intuition and may have a keen interest in spiritual or mystical matters. Practical affairs, money and tight schedules may not come easily to you, so you do best with patient, down-to-earth friends who help you turn dreams into deeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a beautiful hand with long, narrow, slender fingers on a delicate palm, with tips ending in fine points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Hands - Mixed Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have ideas, versatile and changeability of purpose. You adapt very easily to new people and places and can turn your hand to many different tasks. You are good at seeing a problem from several sides at once. The challenge is to choose one path and stay with it long enough to reach real mastery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This has fingers of different types and hand shapes, mixed together on a single hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Shapes - Conical Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You love beauty in all forms. You are sensitive to color, sound and shape, and you enjoy painting, music and poetry. You rely on impressions and first feelings much more than on careful analysis. You are warm and easy to like, but you may be impatient with details and find long, dull routines hard to bear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fingers are shaped like a cone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Shapes - Spatulate Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You love the outdoors and enjoy traveling. Your mind is active and original, and you like to invent, make and try things out for yourself. You are energetic, practical and rarely able to sit still for long. Sport, nature and adventure appeal to you, and you tend to act first and think about the details afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fingers are shaped like a spatula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Shapes - Straight Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are very honest by nature and may speak your mind openly, even when that is not easy. You keep a good balance between feeling and reason, and others see you as a fair and steady friend. You like to deal straightforwardly with people and prefer a simple, honest truth to a clever excuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finger is straight in shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Shapes - Square Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a very methodical and organized approach to life. You like order, clear rules and doing things in the proper way. You plan ahead, keep your word and finish what you start. You are practical and sensible, though at times you may seem a little rigid to people who work by instinct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fingers are rectangular shaped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger Shapes - Knotty Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are a planner and need to have every fact in place before you act. You think things through carefully, question what you are told and enjoy analysis, research and deep thinking. You may have a philosophical turn of mind and are rarely carried away by impulse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fingers seem jointed together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Nails - Short and Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may have a bad short temper. But your anger passes as quickly as it comes, and you forgive easily and do not hold grudges. You are quick-witted and energetic, with a sharp eye for faults, and you may be critical of others and of yourself. You like to argue a point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape / Location is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Nails - Broad and Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may be a calm and an easygoing person who is hard to upset. You are patient, fair and steady under stress. You take life as it comes, and people find you restful company and a good person to turn to in a real crisis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Nails - Long and Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are very intuitive by nature. You may have artistic talent and a love of beauty. You are idealistic and imaginative, and you sometimes prefer dreams to hard facts. You are kind and gentle with others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of Nails - Almond-Shaped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a gentle personality and are sensitive to the feelings of others. You are kind, courteous and dislike quarrels, preferring peace and calm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line represents the vigor and length of your vitality and the quality of your life. It does not foretell how many years you will live, however.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line starts from the side of palm between thumb and index finger and curves down around the ball of the thumb, the mount of Venus, to the wrist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line indicates mainly the mentality of a person: the intellect, the powers of reason and concentration, and the normal way of thinking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line rises just above the Life Line and then crosses the palm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line indicates love, or the attraction of the heart: affection, warmth and the whole emotional life of a person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line runs across the upper portion of the palm, just beneath the fingers, from the outer edge under the little finger towards the index or the middle finger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fate Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line is the center upright line on the palm and is also called the line of Destiny. It shows your career, the path your life takes, and how outside events and other people shape it. A clear, deep line suggests a steady sense of purpose, while breaks may mark changes of work or home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line starts in the middle of the base of the palm and rises straight to the middle finger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fame Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line is also called the line of the Sun or the line of Apollo. It shows success, fame, recognition, creative talent and the joy you find in your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line runs parallel to Line of Fate, on its outer side, and rises up toward the ring finger. It may start low near the wrist or higher up the palm, and in many hands it is quite short or faint, or it may even be missing altogether.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marriage or Relationship Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light lines will indicate romances and strong ones show marriages or deep, lasting partnerships. Taken together, these reveal the important relationships in your life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the little finger, on the outside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line indicates the growth of illness and recovery, as well as your general health.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line starts below the ring finger and runs diagonally to the thumb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travel Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line indicates major travels that influence your life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These lines are horizontal lines at the base of the palm on the outer edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girdle of Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Girdle of Venus is associated with emotions, sensitivity and deep feeling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Girdle of Venus is a semicircle that lies between the Heart Line and the bases of the middle and the ring fingers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicRecords</name>
    <message>
        <source>Not asked in your tests yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answered right %1 of 1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answered right %1 of %2 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record cannot be shown: your earlier results cannot be read. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n bytes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>palmora::AboutDialog</name>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ApplicationController</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::GoalsPage</name>
    <message>
        <source>Goal %1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Goal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A goal note can hold up to %1 characters. What you typed or pasted would take Goal %2 past that, so it was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal %1 was not saved.

%2 could not be read when Palmora started: %3

Saving now would replace what that file holds. Your text is still here; move or rename the file, then save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.

%3

The file was left as it was and your text is still here, so you can try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal %1 has changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal 1 and Goal 2 have changes that are not saved.

Do you want to save them before Palmora closes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::MainWindow</name>
    <message>
        <source>The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ProgressChart</name>
    <message>
        <source>Chart of your test scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tests yet. After your first test this chart shows the score of each test over time, and the table shows how often you answered each topic right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3, not counted as progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your one test so far, scored from 0 to 10 right answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last %1 tests, oldest first, scored from 0 to 10 right answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your scores will appear here after your first test, one mark for each test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed or weakest topics, not counted as progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ProgressPage</name>
    <message>
        <source>%1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ReferralFieldEdit</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::ResultChart</name>
    <message>
        <source>Chart of your last results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 (missed topics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldest to newest: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last %1 results, oldest on the left: the higher the bar, the more answers were right. The lighter bars are tests of the topics missed before or answered right least often.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 (weakest topics)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::SelfTest</name>
    <message>
        <source>Please select a test option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your earlier results cannot be read, so new results are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result of this test could not be added to your results in %1.

%2

The results kept before are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is, and the results of new tests are not kept while it is there. Do you want to set it aside under a new name, so that your results are kept in a new file from now on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be set aside.

%2

It is still there as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was kept as %1. The results of your next tests are kept in a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your earlier test results cannot be read from %1.

%2

The file has been left as it is. New results are not kept in that folder: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::TestOptionsPage</name>
    <message>
        <source>%1 of %2 right, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your results will be listed here after your first test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::TestQuestionPage</name>
    <message>
        <source>Question picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::TestResultPage</name>
    <message>
        <source>Test report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test results were not printed: the printer &quot;%1&quot; did not accept the print job.

Check that the printer is ready and press &quot;Print Test Results&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test results were not printed because no printer is installed on this computer. To print them, install a printer, make it the default printer and press &quot;Print Test Results&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test results were not printed because none of the installed printers is set as the default printer. To print them, choose a default printer and press &quot;Print Test Results&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the test results as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Test Results as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test results could not be saved to %1.

%2

Nothing was written there and the results are still here, so you can try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The test results were not printed because the print system did not answer within %n seconds. To print them, check that the printer and the print system are running and press &quot;Print Test Results&quot; again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The test results were not printed because the print system did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test results were saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palmora::TopicBrowser</name>
    <message>
        <source>Topic picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are at the last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are at the first record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

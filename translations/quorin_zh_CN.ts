<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Admission</name>
    <message>
        <source>Sorry!No test now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry!No class allowed to test now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose test name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose class name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your student number is wrong,Please input again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input your student number and name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result folder of this test is missing,please contact with the system manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student has finished test,you can&apos;t retest!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student has finished test!
If retest,your previous score will be deleted,will you insist to retest really?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input retest password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student has been test,you can&apos;t relogin by this student number!Please contact with the system manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you insist to relogin by this student number?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input relogin password:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalyseCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the item analysis of a paper: how the test and each question worked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A class to count in; again for more. Without it: every class with records of the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON with every figure (the default), or CSV with a row per question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to FILE (a file there is replaced) instead of standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts the testees who have a score. Figures that need more testees or questions than there are are null (JSON) or empty (CSV).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisCharts</name>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testees per tenth of the full mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flagged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores by class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest, quartiles, median, highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;mean %1&lt;br&gt;sd %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility by class</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Classes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testees: %1    Questions: %2    Full mark: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean: %1    Median: %2    Standard deviation: %3    Lowest: %4    Highest: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal consistency (alpha): %1    Standard error of measurement: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item analysis: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No question is flagged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flagged questions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item-rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>checking paper %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 classes, %2 papers, %3 documents, %4 record files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no problems in &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem in &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems in &quot;%2&quot; (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report what is wrong in the data root, without changing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints one line for each problem found.
Exit status: 0 clean, 1 problems found, 2 the check could not run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>student count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass Total:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>The roster %1 could not be read: %2. The classes are shown empty and cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classes were not saved, because the roster could not be read when this window opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class list was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name fo new class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class name is the same of a class inhered ,input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class name &quot;%1&quot; differs from the class &quot;%2&quot; only in letter case, which the files cannot tell apart. Please input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There cannot be more than 32767 classes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allow to delete the class!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you delete all data of the present calss?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The present calss had been deleted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last number is too small,please input again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testee %1 of class &quot;%2&quot; and testee %3 of class &quot;%4&quot; would share one result file, &quot;%5.cho&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage classes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use the data root in DIR. Without it: $QUORIN_DATA_ROOT, else DataRoot in ~/.config/quorin/quorin.conf, else in /etc/xdg/quorin/quorin.conf, else the program&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the commands below; without one, the windows open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Try &quot;%1 --help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: --data-root is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: --data-root needs a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: unexpected argument &quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentTypes</name>
    <message>
        <source>the file has no list of content types; it is not an Office Open XML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list of content types is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocxTemplate</name>
    <message>
        <source>a Word document or template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Word template (.dotx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is in Strict Open XML; save it as a Word template (.dotx) in the usual format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the main document is not WordprocessingML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the main document binds the prefix %1 to another namespace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the main document has no body</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExamAttempt</name>
    <message>
        <source>        The test full mark is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
        Your test mark is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>          
            Good Bye!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Your test mark is saved.          
       Thank you very much! Good Bye!         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your test mark was NOT saved.
Please call the teacher before you leave this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your test cannot be saved, so it cannot start.
Please call the teacher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your test mark could not be saved!
Please tell the teacher. OK tries again, Cancel ends the test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExamScreen</name>
    <message>
        <source>Select question          Questions total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Mark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Correct answer isn&apos;t setted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Correct answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Your answer is correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Your answer is uncorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   You haven&apos;t answered!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you finsh the test really?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers cannot be saved at the moment! Go on with the test and tell the teacher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This paper has no questions. Click &quot;Finish test&quot; to end the test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1、How to answer: click the answer. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2、How to change page:click  Previous or Next boutton </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3、How to change page automatically: Choose Page automatically. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4、How to view correct answer: If you are allowed to view the correct answer,click Display answer to view correct answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5、How to finish test: Click Finish test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quorin developers, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin Ver.4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions about this program: ask your teacher or system manager.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExcelOutput</name>
    <message>
        <source>

The workbook is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with your spreadsheet program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results have not been read yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation succeed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function will be operated with EXCEL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportResultsCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the results of a paper and class as a workbook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the workbook goes (a file there is replaced).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill FILE instead of the data root&apos;s sys/score.xltx.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderOutcome</name>
    <message>
        <source>A folder without a name was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be removed: it holds folders of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>Too easy: more than 90% got it right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too hard: fewer than 20% got it right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tells strong and weak testees apart poorly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak testees do better on it than strong ones: check the key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wrong option draws more of the strong testees than the key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainPart</name>
    <message>
        <source>the file names no main part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds macros; save it as %1 without macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the main part %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageTestWindow</name>
    <message>
        <source>Dblclick to change </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to change</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuPicture</name>
    <message>
        <source>Manage paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View achievement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>class name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not begin or end with a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds a line break or another control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;/&quot; or &quot;\&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;[&quot; or &quot;]&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;=&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not hold any of &lt; &gt; : &quot; | ? *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not begin with &quot;;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must not end with &quot;.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test name must not be a number alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test name must not hold &quot;.cho&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a name the system keeps for itself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1); nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 holds too many files named %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not an Office Open XML file (not a zip archive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip archive is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip archive holds too many parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip archive is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip archive unpacks to more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot pack %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the zip archive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperEditor</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit paper --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A paper is already being edited on this computer. Finish editing it in the other window, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper editor cannot use its working folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper file %1 cannot be read (%2); the paper is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Full mark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full mark would be %1, but a paper&apos;s full mark must lie between %2. The change is not made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A question&apos;s mark must lie between %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default mark must lie between %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A paper holds at most %1 questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new question cannot be written into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allow to delete the question!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question is not copied: its mark %1 does not lie between %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question cannot be copied into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper is not saved: its folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor&apos;s local folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper is not saved; it stays as it was saved last.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the paper was not saved (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document %1 was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you went to exit without save?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperExchange</name>
    <message>
        <source>Output paper to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper &quot;%1&quot; cannot be output: its name cannot be a folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output paper did not complete: %1 %2 of the paper&apos;s files were copied to &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output paper had completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the test paper file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHO Files (*.CHO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No paper can be input, because the roster could not be read when this window opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper file: the name of a paper file ends in &quot;.cho&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The paper was not input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper name already exists ,input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There cannot be more than %1 papers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 holds no paper file &quot;%2.cho&quot; for the paper &quot;%2&quot;; the paper was not input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in the result folder of a paper and was not input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input paper did not complete: %1 The paper was not added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input paper had completed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperList</name>
    <message>
        <source>The roster %1 could not be read: %2. The papers are shown empty and cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper name &quot;%1&quot; differs from the paper &quot;%2&quot; only in letter case, which the folders cannot tell apart. Please input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There cannot be more than %1 papers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folders of an earlier paper named &quot;%1&quot; are still on disk and hold %2 result files (%3) and %4 paper files (%5). They will be deleted %6. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the name of new paper </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input paper name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The papername already exists,input another name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>when the list is saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allow to delete the paper!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you delete all data of the present paper?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The present paper had been deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Saving stopped there; what is not saved yet stays in this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper list was not saved, because the roster could not be read when this window opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper &quot;%1&quot; could not be deleted. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folders of the paper &quot;%1&quot; could not be made. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the paper list was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings of the paper &quot;%1&quot; were not saved (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage paper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperPrint</name>
    <message>
        <source>the %1 document of question %2 has the name &quot;%3&quot;, which is not a file of the paper&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 cannot be read (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template has no %1 placeholder to start the question block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template has no %1 placeholder after %2 to end the question block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template has no %1 placeholder for the answer key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template&apos;s question block cannot be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[no answer]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordChange</name>
    <message>
        <source>The new password is longer than %1 characters. Please choose a shorter one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetPassword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password holds a control character. Please choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new password was not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPaperCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a paper as a Word document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper, as &quot;Manage paper&quot; lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each question&apos;s explanation after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the document goes (a file there is replaced).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill FILE instead of the data root&apos;s sys/paper.dotx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper&apos;s row is as &quot;Manage paper&quot; shows it on opening.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Relationships</name>
    <message>
        <source>the part %1 holds no relationships</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the results of a paper and class as CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the testees in number order, the statistics and the questions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sorry!No test now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry!No achievement now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Click to change sort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsWorkbook</name>
    <message>
        <source>The template cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template has %1 worksheets; it needs %2 (testees, statistics, questions, answers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet %1 of the template (%2) holds no cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootCheck</name>
    <message>
        <source>cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large (%1 bytes; the programs read files of up to %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>papers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 %3 no name in section [%4]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is listed twice (positions %3 and %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 number %2 and %3 number %4 both write %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classes %1 and %2 share %3 record file%4: %5; deleting the score of one deletes the other&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question %1 names no %2 document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question %1 names the %2 document %3, which is not a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paper %1 has no folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paper %1 has no paper file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paper %1 has no result folder: the results of its testees are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section [%1] holds records of a class the roster does not hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>testee %1 of class %2 is outside the class&apos;s numbers %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the record of testee %1 of class %2, which belongs in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no paper of the roster owns this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no data root in &quot;%1&quot;: it holds no sys/sys.cho</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootGate</name>
    <message>
        <source>No data root is set for Quorin. Please tell the teacher: it is set with DataRoot in /etc/xdg/quorin/quorin.conf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (set by QUORIN_DATA_ROOT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (set in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin looked for its data root in &quot;%1&quot;%2 and found no roster (sys/sys.cho) there. Please tell the teacher.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootInit</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the roster &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a data root already (sys/sys.cho); nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: no help pages or templates were found to copy; copy them into the data root by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: no help pages or templates were found to copy in &quot;%1&quot;; copy them into the data root by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept the existing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made a new data root in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new data root in DIR, or in the data root named by the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[DIR]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR is made when it is missing; files it holds already are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootLocation</name>
    <message>
        <source>the program&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootSetup</name>
    <message>
        <source> (set by QUORIN_DATA_ROOT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (set in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data root in &quot;%1&quot;%2:
it holds no roster (sys/sys.cho).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
If it is a network share, check that it is mounted before you answer Yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make a new data root there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin ends: there is no data root in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not make a data root in &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin ends: no data root is set; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data root is set for Quorin.
Choose its folder now? The choice is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the data root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not keep the data root in %1; name it there by hand: DataRoot=%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>Incorrect!Please enter again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashPicture</name>
    <message>
        <source>Quorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom tests on a shared folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name holds characters the file cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is writing the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing there is not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk or share failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk holding %1 is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk quota for %1 is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to %1 is not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk or network share holding %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program kept the file locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to rewrite safely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name holds characters the file cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of that name exists in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large (over 16 MiB, or too many sections or keys)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data root</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeacherCommand</name>
    <message>
        <source>Use the data root in DIR (&quot;teacher --help&quot; says where it is looked for without it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a value (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-root is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-root needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [--data-root DIR] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name one with --data-root DIR, QUORIN_DATA_ROOT, or DataRoot in ~/.config/quorin/quorin.conf or /etc/xdg/quorin/quorin.conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&quot;COMMAND --help&quot; shows the options of a command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;%2 --help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-root is given more than once; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data root is set; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no data root in &quot;%1&quot; (from %2): it holds no sys/sys.cho</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeacherLogin</name>
    <message>
        <source>The password cannot be checked: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateSource</name>
    <message>
        <source>There is no template %1. Put a %2 template (.%3) with the placeholders there; Quorin ships one in its data/sys folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data root holds only the old template %1, which needs LibreOffice to be read. Install LibreOffice (it converts the template once), or put a %2 template at %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old template %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old template %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made to keep the converted template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old template %1 could not be converted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no room for the conversion next to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be copied (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice did not finish in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice (%1) could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice made no file%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPool</name>
    <message>
        <source>The question already exists!<byte value="xd"/>will you add the same question?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestRoomTable</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster %1 could not be read: %2. The papers and classes are shown empty and cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved, because the roster could not be read when this window opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the test room was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flags of %1 were not saved: the roster uses that name for its own entries. Rename the paper in Manage paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordOutput</name>
    <message>
        <source>

The document is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with your word processor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you input the explain of the answer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation succeed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function will be operated with WORD.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>not a plain file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxTemplate</name>
    <message>
        <source>the sheet %1 is not a SpreadsheetML worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rows of sheet %1 are out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a spreadsheet or spreadsheet template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Excel template (.xltx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is not SpreadsheetML (Strict Open XML is not read; save it as an Excel template in the usual format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has too many sheets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Xml</name>
    <message>
        <source>the part %1 is not well-formed XML (%2 at byte %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part %1 is nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::EditPaperWindow</name>
    <message>
        <source>Default  mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use test pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use test pool,you can input question from test pool directly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the paper and return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to edit a paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the edit of %1 was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor&apos;s local folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The text stays in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide test pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide test pool,Edit the test question by yourself. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::PaneMenu</name>
    <message>
        <source>cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FontName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FontSize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FontColoer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG picture; only those can go into a question.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::TestPoolFrame</name>
    <message>
        <source>Test pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-Input question from test pool&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions of the test paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dblclick to input question </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::AnalysisWindow</name>
    <message>
        <source>Item analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classes counted in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick classes of the same paper to count in and compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classes &amp;side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item analysis: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with a PDF viewer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::ResultsWindow</name>
    <message>
        <source>View achievement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firstname   Lastname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surplus time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Firstname Lastname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Sort Surplus time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present testee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow retest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output to EXCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analysis...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which questions work, which key may be wrong, how classes compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to view achievement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score pct ( % )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question No. Score pct ( % ) Correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose test question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testee answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All testees answeres distributing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the record of testee %2 was not changed, because %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>student</name>
    <message>
        <source>Quorin&apos;s student program: log in to a test paper and sit it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test program has been running!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>student::AboutTestWindow</name>
    <message>
        <source>About Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full mark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to start test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>student::ExamWindow</name>
    <message>
        <source>Student end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.A -yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.B -no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish test </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagedown automatically </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surplus time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin Ver.4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask your teacher for help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>student::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>student::LoginWindow</name>
    <message>
        <source>Student login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin 4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose test name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose class name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input student number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student number muse be numeric.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input your first name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input your last name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot;&gt;Quorin help&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorin help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages are missing: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher</name>
    <message>
        <source>Quorin&apos;s teacher program: classes, test papers, the test room and the results.
Without a command it opens the main menu on the data root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::LoginWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::MainMenuWindow</name>
    <message>
        <source>&quot;%1&quot; is not available in this build of the teacher program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::ManageClassesWindow</name>
    <message>
        <source>Testee account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input the conut of students </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number must be an integer larger than zero </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number must be larger than the count of first number and student count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the class </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to manage classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up testee number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class situation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::ManagePaperWindow</name>
    <message>
        <source>Paper list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose paper,Dbclick to edit paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to edit paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output to WORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to manage paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up test information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retest password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>relogin password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>achievement displayed at student end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change questions order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow to test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper editor is not available in this build of the teacher program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Output to WORD&quot; is not available in this build of the teacher program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::ManageTestWindow</name>
    <message>
        <source>Paper list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes/NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow all class to test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbid all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prohibit all class to test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to manage test room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer or forbid test:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set class which joins the test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::SetPasswordWindow</name>
    <message>
        <source>Input old password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetPassword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::SplashWindow</name>
    <message>
        <source>Quorin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>teacher::TeacherShell</name>
    <message>
        <source>The data folder &quot;%1&quot; does not exist. Start the teacher program from its installation folder or name the folder with --data-root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::HelpViewer</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not installed&lt;/h2&gt;&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; does not exist. The help pages come with the program; copy the &lt;tt&gt;help&lt;/tt&gt; folder of the installation into the data folder.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;No help for this window&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1.html&lt;/tt&gt; is missing from the help folder &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;All help topics&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::PasswordDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RichTextPane</name>
    <message>
        <source>no file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

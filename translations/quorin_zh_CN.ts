<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Admission</name>
    <message>
        <source>Sorry!No test now!</source>
        <translation>对不起！现在没有考试！</translation>
    </message>
    <message>
        <source>Sorry!No class allowed to test now!</source>
        <translation>对不起！现在没有允许考试的班级！</translation>
    </message>
    <message>
        <source>Please choose test name!</source>
        <translation>请选择试卷名称！</translation>
    </message>
    <message>
        <source>Please choose class name!</source>
        <translation>请选择班级名称！</translation>
    </message>
    <message>
        <source>Your student number is wrong,Please input again!</source>
        <translation>你的考号有误，请重新输入！</translation>
    </message>
    <message>
        <source>Please input your student number and name!</source>
        <translation>请输入你的考号和姓名！</translation>
    </message>
    <message>
        <source>The result folder of this test is missing,please contact with the system manager.</source>
        <translation>本次考试的成绩文件夹不存在，请与系统管理员联系。</translation>
    </message>
    <message>
        <source>The student has finished test,you can&apos;t retest!</source>
        <translation>该考生已经完成考试，不能重考！</translation>
    </message>
    <message>
        <source>The student has finished test!
If retest,your previous score will be deleted,will you insist to retest really?</source>
        <translation>该考生已经完成考试！
如果重考，你以前的成绩将被删除，确实要重考吗？</translation>
    </message>
    <message>
        <source>Input retest password:</source>
        <translation>输入重考密码：</translation>
    </message>
    <message>
        <source>The student has been test,you can&apos;t relogin by this student number!Please contact with the system manager.</source>
        <translation>该考生正在考试，不能用这个考号重新登录！请与系统管理员联系。</translation>
    </message>
    <message>
        <source>Will you insist to relogin by this student number?</source>
        <translation>确实要用这个考号重新登录吗？</translation>
    </message>
    <message>
        <source>Input relogin password:</source>
        <translation>输入重新登录密码：</translation>
    </message>
</context>
<context>
    <name>AnalyseCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation>没有试卷“%1”</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation>没有班级“%1”</translation>
    </message>
    <message>
        <source>Print the item analysis of a paper: how the test and each question worked.</source>
        <translation>打印一份试卷的题目分析：整份试卷和每道题目的效果。</translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation>试卷，名称与“考务成绩”中列出的相同。</translation>
    </message>
    <message>
        <source>A class to count in; again for more. Without it: every class with records of the paper.</source>
        <translation>计入的班级；可重复给出多个。不给出时：计入有该试卷成绩记录的所有班级。</translation>
    </message>
    <message>
        <source>JSON with every figure (the default), or CSV with a row per question.</source>
        <translation>JSON，包含全部数据（默认）；或 CSV，每道题目一行。</translation>
    </message>
    <message>
        <source>Write to FILE (a file there is replaced) instead of standard output.</source>
        <translation>写入 FILE（替换已有的文件），而不是标准输出。</translation>
    </message>
    <message>
        <source>Counts the testees who have a score. Figures that need more testees or questions than there are are null (JSON) or empty (CSV).</source>
        <translation>只统计有成绩的考生。考生或题目不够而无法计算的数据为 null（JSON）或空（CSV）。</translation>
    </message>
</context>
<context>
    <name>AnalysisCharts</name>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Testees</source>
        <translation>考生</translation>
    </message>
    <message>
        <source>Testees per tenth of the full mark</source>
        <translation>各分数段（满分的十分之一）的考生人数</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1，来自 %2</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>难度（通过率）</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>区分度</translation>
    </message>
    <message>
        <source>Flagged</source>
        <translation>有问题</translation>
    </message>
    <message>
        <source>Scores by class</source>
        <translation>各班成绩</translation>
    </message>
    <message>
        <source>Lowest, quartiles, median, highest</source>
        <translation>最低分、四分位数、中位数、最高分</translation>
    </message>
    <message>
        <source>&lt;br&gt;mean %1&lt;br&gt;sd %2</source>
        <translation>&lt;br&gt;平均分 %1&lt;br&gt;标准差 %2</translation>
    </message>
    <message>
        <source>Facility by class</source>
        <translation>各班通过率</translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Classes: %1</source>
        <translation>班级：%1</translation>
    </message>
    <message>
        <source>Testees: %1    Questions: %2    Full mark: %3</source>
        <translation>考生：%1    题目：%2    满分：%3</translation>
    </message>
    <message>
        <source>Mean: %1    Median: %2    Standard deviation: %3    Lowest: %4    Highest: %5</source>
        <translation>平均分：%1    中位数：%2    标准差：%3    最低分：%4    最高分：%5</translation>
    </message>
    <message>
        <source>Internal consistency (alpha): %1    Standard error of measurement: %2</source>
        <translation>内部一致性（α 系数）：%1    测量标准误：%2</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>第 %1 题：%2</translation>
    </message>
    <message>
        <source>Item analysis: </source>
        <translation>题目分析：</translation>
    </message>
    <message>
        <source>No question is flagged.</source>
        <translation>没有标记为有问题的题目。</translation>
    </message>
    <message>
        <source>Flagged questions</source>
        <translation>有问题的题目</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>分值</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>难度（通过率）</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>区分度</translation>
    </message>
    <message>
        <source>Item-rest</source>
        <translation>题总相关</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>问题</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>太大</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>checking paper %1 of %2</source>
        <translation>正在检查第 %1 份试卷，共 %2 份</translation>
    </message>
    <message>
        <source>%1 classes, %2 papers, %3 documents, %4 record files</source>
        <translation>%1 个班级，%2 份试卷，%3 个文档，%4 个成绩文件</translation>
    </message>
    <message>
        <source>no problems in &quot;%1&quot; (%2)</source>
        <translation>“%1”中没有问题（%2）</translation>
    </message>
    <message>
        <source>1 problem in &quot;%1&quot; (%2)</source>
        <translation>“%1”中有 1 个问题（%2）</translation>
    </message>
    <message>
        <source>%1 problems in &quot;%2&quot; (%3)</source>
        <translation>“%2”中有 %1 个问题（%3）</translation>
    </message>
    <message>
        <source>Report what is wrong in the data root, without changing it.</source>
        <translation>报告数据根目录中的问题，不做任何更改。</translation>
    </message>
    <message>
        <source>Prints one line for each problem found.
Exit status: 0 clean, 1 problems found, 2 the check could not run.</source>
        <translation>每发现一个问题打印一行。
退出状态：0 没有问题，1 发现问题，2 无法进行检查。</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>Average</source>
        <translation>平均分</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>最低分</translation>
    </message>
    <message>
        <source>student count</source>
        <translation>考生人数</translation>
    </message>
    <message>
        <source>Score sum</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>A grade</source>
        <translation>A 等</translation>
    </message>
    <message>
        <source>B grade</source>
        <translation>B 等</translation>
    </message>
    <message>
        <source>C grade</source>
        <translation>C 等</translation>
    </message>
    <message>
        <source>D grade</source>
        <translation>D 等</translation>
    </message>
    <message>
        <source>F grade</source>
        <translation>F 等</translation>
    </message>
    <message>
        <source>Pass Total:</source>
        <translation>及格人数：</translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>The roster %1 could not be read: %2. The classes are shown empty and cannot be saved.</source>
        <translation>无法读取名册 %1：%2。班级显示为空，并且不能保存。</translation>
    </message>
    <message>
        <source>The classes were not saved, because the roster could not be read when this window opened.</source>
        <translation>班级没有保存，因为打开本窗口时无法读取名册。</translation>
    </message>
    <message>
        <source> Save anyway?</source>
        <translation> 仍然保存吗？</translation>
    </message>
    <message>
        <source>the class list was not saved</source>
        <translation>班级列表没有保存</translation>
    </message>
    <message>
        <source>Please enter the name fo new class:</source>
        <translation>请输入新班级的名称：</translation>
    </message>
    <message>
        <source>The class name is the same of a class inhered ,input another name!</source>
        <translation>班级名称与已有班级相同，请输入其他名称！</translation>
    </message>
    <message>
        <source>The class name &quot;%1&quot; differs from the class &quot;%2&quot; only in letter case, which the files cannot tell apart. Please input another name!</source>
        <translation>班级名称“%1”与班级“%2”只有字母大小写不同，文件无法区分。请输入其他名称！</translation>
    </message>
    <message>
        <source> Please input another name!</source>
        <translation> 请输入其他名称！</translation>
    </message>
    <message>
        <source>There cannot be more than 32767 classes.</source>
        <translation>班级不能多于 32767 个。</translation>
    </message>
    <message>
        <source>Not allow to delete the class!</source>
        <translation>不允许删除该班级！</translation>
    </message>
    <message>
        <source>Will you delete all data of the present calss?</source>
        <translation>确实要删除当前班级的全部数据吗？</translation>
    </message>
    <message>
        <source>The present calss had been deleted?</source>
        <translation>当前班级已经删除？</translation>
    </message>
    <message>
        <source>The last number is too small,please input again!</source>
        <translation>末考号太小，请重新输入！</translation>
    </message>
    <message>
        <source>Testee %1 of class &quot;%2&quot; and testee %3 of class &quot;%4&quot; would share one result file, &quot;%5.cho&quot;.</source>
        <translation>班级“%2”的考生 %1 与班级“%4”的考生 %3 会共用一个成绩文件“%5.cho”。</translation>
    </message>
    <message>
        <source>Manage classes</source>
        <translation>班级管理</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use the data root in DIR. Without it: $QUORIN_DATA_ROOT, else DataRoot in ~/.config/quorin/quorin.conf, else in /etc/xdg/quorin/quorin.conf, else the program&apos;s folder.</source>
        <translation>使用 DIR 中的数据根目录。不给出时：依次使用 $QUORIN_DATA_ROOT、~/.config/quorin/quorin.conf 中的 DataRoot、/etc/xdg/quorin/quorin.conf 中的 DataRoot、程序所在的文件夹。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示本帮助并结束。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>显示版本并结束。</translation>
    </message>
    <message>
        <source>One of the commands below; without one, the windows open.</source>
        <translation>下列命令之一；不给出命令时打开窗口。</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[命令 [参数]]</translation>
    </message>
    <message>
        <source> Try &quot;%1 --help&quot;.</source>
        <translation> 请试试“%1 --help”。</translation>
    </message>
    <message>
        <source>: --data-root is given more than once.</source>
        <translation>：--data-root 给出了不止一次。</translation>
    </message>
    <message>
        <source>: --data-root needs a folder.</source>
        <translation>：--data-root 需要一个文件夹。</translation>
    </message>
    <message>
        <source>: unexpected argument &quot;</source>
        <translation>：多余的参数“</translation>
    </message>
</context>
<context>
    <name>ContentTypes</name>
    <message>
        <source>the file has no list of content types; it is not an Office Open XML file</source>
        <translation>文件没有内容类型列表；它不是 Office Open XML 文件</translation>
    </message>
    <message>
        <source>the list of content types is damaged</source>
        <translation>内容类型列表已损坏</translation>
    </message>
</context>
<context>
    <name>DocxTemplate</name>
    <message>
        <source>a Word document or template</source>
        <translation>Word 文档或模板</translation>
    </message>
    <message>
        <source>a Word template (.dotx)</source>
        <translation>Word 模板（.dotx）</translation>
    </message>
    <message>
        <source>the file is in Strict Open XML; save it as a Word template (.dotx) in the usual format</source>
        <translation>文件是 Strict Open XML 格式；请以常规格式另存为 Word 模板（.dotx）</translation>
    </message>
    <message>
        <source>the main document is not WordprocessingML</source>
        <translation>主文档不是 WordprocessingML</translation>
    </message>
    <message>
        <source>the main document binds the prefix %1 to another namespace</source>
        <translation>主文档把前缀 %1 绑定到了其他命名空间</translation>
    </message>
    <message>
        <source>the main document has no body</source>
        <translation>主文档没有正文</translation>
    </message>
</context>
<context>
    <name>EditPaperWindow</name>
    <message>
        <source>1.A yes</source>
        <translation>1.A 是</translation>
    </message>
    <message>
        <source>2.B  no</source>
        <translation>2.B  否</translation>
    </message>
</context>
<context>
    <name>ExamAttempt</name>
    <message>
        <source>        The test full mark is:</source>
        <translation>        本次考试满分：</translation>
    </message>
    <message>
        <source>
        Your test mark is:</source>
        <translation>
        你的考试成绩：</translation>
    </message>
    <message>
        <source>          
            Good Bye!</source>
        <translation>          
            再见！</translation>
    </message>
    <message>
        <source>        Your test mark is saved.          
       Thank you very much! Good Bye!         </source>
        <translation>        你的考试成绩已保存。          
       非常感谢！再见！         </translation>
    </message>
    <message>
        <source>Your test mark was NOT saved.
Please call the teacher before you leave this computer.</source>
        <translation>你的考试成绩没有保存。
离开这台计算机之前请叫老师。</translation>
    </message>
    <message>
        <source>Your test cannot be saved, so it cannot start.
Please call the teacher.</source>
        <translation>你的考试无法保存，因此不能开始。
请叫老师。</translation>
    </message>
    <message>
        <source>Your test mark could not be saved!
Please tell the teacher. OK tries again, Cancel ends the test.</source>
        <translation>你的考试成绩无法保存！
请告诉老师。按“确定”重试，按“取消”结束考试。</translation>
    </message>
</context>
<context>
    <name>ExamScreen</name>
    <message>
        <source>Select question          Questions total:</source>
        <translation>选择题目          题目总数：</translation>
    </message>
    <message>
        <source>Question No:</source>
        <translation>题号：</translation>
    </message>
    <message>
        <source>    Mark:</source>
        <translation>    分值：</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>解题辅导</translation>
    </message>
    <message>
        <source>   Correct answer isn&apos;t setted.</source>
        <translation>   没有设置正确答案。</translation>
    </message>
    <message>
        <source>   Correct answer:</source>
        <translation>   正确答案：</translation>
    </message>
    <message>
        <source>   Your answer is correct!</source>
        <translation>   你的答案正确！</translation>
    </message>
    <message>
        <source>   Your answer is uncorrect!</source>
        <translation>   你的答案错误！</translation>
    </message>
    <message>
        <source>   You haven&apos;t answered!</source>
        <translation>   你还没有作答！</translation>
    </message>
    <message>
        <source>Will you finsh the test really?</source>
        <translation>确实要结束考试吗？</translation>
    </message>
    <message>
        <source>Your answers cannot be saved at the moment! Go on with the test and tell the teacher.</source>
        <translation>你的答案暂时无法保存！请继续考试，并告诉老师。</translation>
    </message>
    <message>
        <source>Display answer</source>
        <translation>显示答案</translation>
    </message>
    <message>
        <source>Continue test</source>
        <translation>继续考试</translation>
    </message>
    <message>
        <source>This paper has no questions. Click &quot;Finish test&quot; to end the test.</source>
        <translation>本试卷没有题目。请单击“结束考试”结束考试。</translation>
    </message>
    <message>
        <source>1、How to answer: click the answer. </source>
        <translation>1、如何答题：单击答案。</translation>
    </message>
    <message>
        <source>2、How to change page:click  Previous or Next boutton </source>
        <translation>2、如何翻页：单击“上一题”或“下一题”按钮。</translation>
    </message>
    <message>
        <source>3、How to change page automatically: Choose Page automatically. </source>
        <translation>3、如何自动翻页：选中“自动翻页”。</translation>
    </message>
    <message>
        <source>4、How to view correct answer: If you are allowed to view the correct answer,click Display answer to view correct answer.</source>
        <translation>4、如何查看正确答案：如果允许查看正确答案，单击“显示答案”即可查看。</translation>
    </message>
    <message>
        <source>5、How to finish test: Click Finish test.</source>
        <translation>5、如何结束考试：单击“结束考试”。</translation>
    </message>
    <message>
        <source>The Quorin developers, 2026</source>
        <translation>Quorin 开发者，2026</translation>
    </message>
    <message>
        <source>Quorin Ver.4.0</source>
        <translation>Quorin 4.0 版</translation>
    </message>
    <message>
        <source>Questions about this program: ask your teacher or system manager.</source>
        <translation>对本程序有疑问：请问老师或系统管理员。</translation>
    </message>
</context>
<context>
    <name>ExcelOutput</name>
    <message>
        <source>

The workbook is %1</source>
        <translation>

工作簿是 %1</translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with your spreadsheet program.</source>
        <translation>

没有找到打开它的程序；请用你的电子表格程序打开。</translation>
    </message>
    <message>
        <source>The results have not been read yet.</source>
        <translation>成绩还没有读取。</translation>
    </message>
    <message>
        <source>The workbook cannot be saved: %1</source>
        <translation>工作簿无法保存：%1</translation>
    </message>
    <message>
        <source>The operation succeed!</source>
        <translation>操作成功！</translation>
    </message>
    <message>
        <source>The function will be operated with EXCEL.</source>
        <translation>该功能需要使用 EXCEL。</translation>
    </message>
</context>
<context>
    <name>ExportResultsCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation>没有试卷“%1”</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation>没有班级“%1”</translation>
    </message>
    <message>
        <source>Write the results of a paper and class as a workbook.</source>
        <translation>把一份试卷、一个班级的成绩写成工作簿。</translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation>试卷，名称与“考务成绩”中列出的相同。</translation>
    </message>
    <message>
        <source>The class.</source>
        <translation>班级。</translation>
    </message>
    <message>
        <source>Where the workbook goes (a file there is replaced).</source>
        <translation>工作簿的保存位置（替换已有的文件）。</translation>
    </message>
    <message>
        <source>Fill FILE instead of the data root&apos;s sys/score.xltx.</source>
        <translation>填写 FILE，而不是数据根目录中的 sys/score.xltx。</translation>
    </message>
</context>
<context>
    <name>FolderOutcome</name>
    <message>
        <source>A folder without a name was refused.</source>
        <translation>没有名称的文件夹被拒绝。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>文件夹“%1”不存在</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>“%1”是文件，不是文件夹</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be removed: it holds folders of its own</source>
        <translation>无法删除文件夹“%1”：它含有子文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be changed</source>
        <translation>无法更改“%1”</translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>Too easy: more than 90% got it right.</source>
        <translation>太容易：超过 90% 的考生答对。</translation>
    </message>
    <message>
        <source>Too hard: fewer than 20% got it right.</source>
        <translation>太难：不到 20% 的考生答对。</translation>
    </message>
    <message>
        <source>Tells strong and weak testees apart poorly.</source>
        <translation>难以区分成绩好和成绩差的考生。</translation>
    </message>
    <message>
        <source>Weak testees do better on it than strong ones: check the key.</source>
        <translation>成绩差的考生比成绩好的答得更好：请检查答案。</translation>
    </message>
    <message>
        <source>A wrong option draws more of the strong testees than the key.</source>
        <translation>有一个错误选项比正确答案吸引了更多成绩好的考生。</translation>
    </message>
</context>
<context>
    <name>MainPart</name>
    <message>
        <source>the file names no main part</source>
        <translation>文件没有指明主部件</translation>
    </message>
    <message>
        <source>the file holds macros; save it as %1 without macros</source>
        <translation>文件含有宏；请另存为不含宏的 %1</translation>
    </message>
    <message>
        <source>the file is not %1</source>
        <translation>文件不是%1</translation>
    </message>
    <message>
        <source>the main part %1 is missing</source>
        <translation>缺少主部件 %1</translation>
    </message>
</context>
<context>
    <name>ManageTestWindow</name>
    <message>
        <source>Dblclick to change </source>
        <translation>双击更改</translation>
    </message>
    <message>
        <source>Click to change</source>
        <translation>单击更改</translation>
    </message>
</context>
<context>
    <name>MenuPicture</name>
    <message>
        <source>Manage paper</source>
        <translation>试卷管理</translation>
    </message>
    <message>
        <source>Manage test</source>
        <translation>考场管理</translation>
    </message>
    <message>
        <source>Manage classes</source>
        <translation>班级管理</translation>
    </message>
    <message>
        <source>View achievement</source>
        <translation>考务成绩</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation>考务管理</translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>class name</source>
        <translation>班级名称</translation>
    </message>
    <message>
        <source>test name</source>
        <translation>试卷名称</translation>
    </message>
    <message>
        <source>The %1 is empty.</source>
        <translation>%1为空。</translation>
    </message>
    <message>
        <source>The %1 must not begin or end with a blank.</source>
        <translation>%1的开头和结尾不能是空格。</translation>
    </message>
    <message>
        <source>The %1 is longer than %2 characters.</source>
        <translation>%1超过 %2 个字符。</translation>
    </message>
    <message>
        <source>The %1 holds a line break or another control character.</source>
        <translation>%1含有换行符或其他控制字符。</translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;/&quot; or &quot;\&quot;.</source>
        <translation>%1不能含有“/”或“\”。</translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;[&quot; or &quot;]&quot;.</source>
        <translation>%1不能含有“[”或“]”。</translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;=&quot;.</source>
        <translation>%1不能含有“=”。</translation>
    </message>
    <message>
        <source>The %1 must not hold any of &lt; &gt; : &quot; | ? *</source>
        <translation>%1不能含有 &lt; &gt; : &quot; | ? * 中的任何一个</translation>
    </message>
    <message>
        <source>The %1 must not hold &quot;..&quot;.</source>
        <translation>%1不能含有“..”。</translation>
    </message>
    <message>
        <source>The %1 must not begin with &quot;;&quot;.</source>
        <translation>%1不能以“;”开头。</translation>
    </message>
    <message>
        <source>The %1 must not end with &quot;.&quot;.</source>
        <translation>%1不能以“.”结尾。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself.</source>
        <translation>“%1”是 Windows 保留的设备名。</translation>
    </message>
    <message>
        <source>The test name must not be a number alone.</source>
        <translation>试卷名称不能只是一个数字。</translation>
    </message>
    <message>
        <source>The test name must not hold &quot;.cho&quot;.</source>
        <translation>试卷名称不能含有“.cho”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a name the system keeps for itself.</source>
        <translation>“%1”是系统保留的名称。</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 was not written</source>
        <translation>%1 没有写入</translation>
    </message>
    <message>
        <source> (%1); nothing was changed</source>
        <translation>（%1）；没有做任何更改</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>the folder %1 holds too many files named %2</source>
        <translation>文件夹 %1 中名为 %2 的文件太多</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 大于 %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>文件大于 %1 MB</translation>
    </message>
    <message>
        <source>the file is not an Office Open XML file (not a zip archive)</source>
        <translation>文件不是 Office Open XML 文件（不是 zip 压缩包）</translation>
    </message>
    <message>
        <source>the zip archive is damaged (%1)</source>
        <translation>zip 压缩包已损坏（%1）</translation>
    </message>
    <message>
        <source>the zip archive holds too many parts</source>
        <translation>zip 压缩包中的部件太多</translation>
    </message>
    <message>
        <source>the zip archive is damaged</source>
        <translation>zip 压缩包已损坏</translation>
    </message>
    <message>
        <source>the file is encrypted</source>
        <translation>文件已加密</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MB</source>
        <translation>部件 %1 大于 %2 MB</translation>
    </message>
    <message>
        <source>the zip archive unpacks to more than %1 MB</source>
        <translation>zip 压缩包解压后超过 %1 MB</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked (%2)</source>
        <translation>无法解压部件 %1（%2）</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>部件 %1 已损坏</translation>
    </message>
    <message>
        <source>cannot pack %1</source>
        <translation>无法打包 %1</translation>
    </message>
    <message>
        <source>cannot write the zip archive</source>
        <translation>无法写入 zip 压缩包</translation>
    </message>
</context>
<context>
    <name>PaperEditor</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 到 %2</translation>
    </message>
    <message>
        <source>Edit paper --</source>
        <translation>编辑试卷 --</translation>
    </message>
    <message>
        <source>A paper is already being edited on this computer. Finish editing it in the other window, then try again.</source>
        <translation>这台计算机上已经在编辑一份试卷。请先在另一个窗口中完成编辑，然后再试。</translation>
    </message>
    <message>
        <source>The paper editor cannot use its working folder %1.</source>
        <translation>试卷编辑器无法使用它的工作文件夹 %1。</translation>
    </message>
    <message>
        <source>The paper file %1 cannot be read (%2); the paper is left as it is.</source>
        <translation>无法读取试卷文件 %1（%2）；试卷保持原样。</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>第</translation>
    </message>
    <message>
        <source>  Total:</source>
        <translation>题  共：</translation>
    </message>
    <message>
        <source>   Full mark:</source>
        <translation>   满分：</translation>
    </message>
    <message>
        <source>The full mark would be %1, but a paper&apos;s full mark must lie between %2. The change is not made.</source>
        <translation>满分将是 %1，但试卷满分必须在 %2 之间。没有做此更改。</translation>
    </message>
    <message>
        <source>A question&apos;s mark must lie between %1.</source>
        <translation>题目分值必须在 %1 之间。</translation>
    </message>
    <message>
        <source>The default mark must lie between %1.</source>
        <translation>默认分值必须在 %1 之间。</translation>
    </message>
    <message>
        <source>A paper holds at most %1 questions.</source>
        <translation>一份试卷最多有 %1 道题目。</translation>
    </message>
    <message>
        <source>A new question cannot be written into %1.</source>
        <translation>无法把新题目写入 %1。</translation>
    </message>
    <message>
        <source>Not allow to delete the question!</source>
        <translation>不允许删除该题目！</translation>
    </message>
    <message>
        <source>The question is not copied: its mark %1 does not lie between %2.</source>
        <translation>题目没有复制：它的分值 %1 不在 %2 之间。</translation>
    </message>
    <message>
        <source>The question cannot be copied into %1.</source>
        <translation>无法把题目复制到 %1。</translation>
    </message>
    <message>
        <source>The paper is not saved: its folder %1 does not exist.</source>
        <translation>试卷没有保存：它的文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>the editor&apos;s local folder</source>
        <translation>编辑器的本地文件夹</translation>
    </message>
    <message>
        <source>the data root</source>
        <translation>数据根目录</translation>
    </message>
    <message>
        <source>The paper is not saved; it stays as it was saved last.
</source>
        <translation>试卷没有保存；它保持上次保存时的样子。
</translation>
    </message>
    <message>
        <source>the paper was not saved (%1)</source>
        <translation>试卷没有保存（%1）</translation>
    </message>
    <message>
        <source>the document %1 was not saved</source>
        <translation>文档 %1 没有保存</translation>
    </message>
    <message>
        <source>Will you went to exit without save?</source>
        <translation>确实要不保存就退出吗？</translation>
    </message>
    <message>
        <source>A paper holds at most %1 questions; the %2 questions are not imported.</source>
        <translation>一份试卷最多 %1 道题；这 %2 道题未导入。</translation>
    </message>
    <message>
        <source>No question is imported: the mark %1 of question %2 does not lie between %3.</source>
        <translation>未导入任何题目：第 %2 题的分值 %1 不在 %3 之间。</translation>
    </message>
    <message>
        <source>No question is imported: no free document names are left in %1.</source>
        <translation>未导入任何题目：%1 中已没有可用的文档名。</translation>
    </message>
</context>
<context>
    <name>PaperExchange</name>
    <message>
        <source>Output paper to ...</source>
        <translation>导出试卷到……</translation>
    </message>
    <message>
        <source>The paper &quot;%1&quot; cannot be output: its name cannot be a folder name.</source>
        <translation>无法导出试卷“%1”：它的名称不能用作文件夹名。</translation>
    </message>
    <message>
        <source>Output paper did not complete: %1 %2 of the paper&apos;s files were copied to &quot;%3&quot;.</source>
        <translation>导出试卷没有完成：%1 试卷文件中有 %2 个已复制到“%3”。</translation>
    </message>
    <message>
        <source>Output paper had completed!</source>
        <translation>导出试卷完成！</translation>
    </message>
    <message>
        <source>Please choose the test paper file </source>
        <translation>请选择试卷文件</translation>
    </message>
    <message>
        <source>CHO Files (*.CHO)</source>
        <translation>CHO 文件 (*.CHO)</translation>
    </message>
    <message>
        <source>No paper can be input, because the roster could not be read when this window opened.</source>
        <translation>不能导入试卷，因为打开本窗口时无法读取名册。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper file: the name of a paper file ends in &quot;.cho&quot;.</source>
        <translation>“%1”不是试卷文件：试卷文件的名称以“.cho”结尾。</translation>
    </message>
    <message>
        <source> The paper was not input.</source>
        <translation> 试卷没有导入。</translation>
    </message>
    <message>
        <source>The paper name already exists ,input another name!</source>
        <translation>试卷名称已存在，请输入其他名称！</translation>
    </message>
    <message>
        <source>There cannot be more than %1 papers.</source>
        <translation>试卷不能多于 %1 份。</translation>
    </message>
    <message>
        <source>The folder %1 holds no paper file &quot;%2.cho&quot; for the paper &quot;%2&quot;; the paper was not input.</source>
        <translation>文件夹 %1 中没有试卷“%2”的试卷文件“%2.cho”；试卷没有导入。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in the result folder of a paper and was not input.</source>
        <translation>“%1”位于一份试卷的成绩文件夹中，没有导入。</translation>
    </message>
    <message>
        <source>Input paper did not complete: %1 The paper was not added to the list.</source>
        <translation>导入试卷没有完成：%1 试卷没有加入列表。</translation>
    </message>
    <message>
        <source>Input paper had completed!</source>
        <translation>导入试卷完成！</translation>
    </message>
</context>
<context>
    <name>PaperList</name>
    <message>
        <source>The roster %1 could not be read: %2. The papers are shown empty and cannot be saved.</source>
        <translation>无法读取名册 %1：%2。试卷显示为空，并且不能保存。</translation>
    </message>
    <message>
        <source>The paper name &quot;%1&quot; differs from the paper &quot;%2&quot; only in letter case, which the folders cannot tell apart. Please input another name!</source>
        <translation>试卷名称“%1”与试卷“%2”只有字母大小写不同，文件夹无法区分。请输入其他名称！</translation>
    </message>
    <message>
        <source> Please input another name!</source>
        <translation> 请输入其他名称！</translation>
    </message>
    <message>
        <source>There cannot be more than %1 papers.</source>
        <translation>试卷不能多于 %1 份。</translation>
    </message>
    <message>
        <source>The folders of an earlier paper named &quot;%1&quot; are still on disk and hold %2 result files (%3) and %4 paper files (%5). They will be deleted %6. Go on?</source>
        <translation>以前名为“%1”的试卷的文件夹仍在磁盘上，其中有 %2 个成绩文件（%3）和 %4 个试卷文件（%5）。它们将在%6删除。继续吗？</translation>
    </message>
    <message>
        <source>Please input the name of new paper </source>
        <translation>请输入新试卷的名称</translation>
    </message>
    <message>
        <source>Input paper name</source>
        <translation>输入试卷名称</translation>
    </message>
    <message>
        <source>The papername already exists,input another name!</source>
        <translation>试卷名称已存在，请输入其他名称！</translation>
    </message>
    <message>
        <source>when the list is saved</source>
        <translation>保存列表时</translation>
    </message>
    <message>
        <source>Not allow to delete the paper!</source>
        <translation>不允许删除该试卷！</translation>
    </message>
    <message>
        <source>Will you delete all data of the present paper?</source>
        <translation>确实要删除当前试卷的全部数据吗？</translation>
    </message>
    <message>
        <source>The present paper had been deleted!</source>
        <translation>当前试卷已经删除！</translation>
    </message>
    <message>
        <source> Saving stopped there; what is not saved yet stays in this window.</source>
        <translation> 保存到此停止；还没有保存的内容留在本窗口中。</translation>
    </message>
    <message>
        <source>The paper list was not saved, because the roster could not be read when this window opened.</source>
        <translation>试卷列表没有保存，因为打开本窗口时无法读取名册。</translation>
    </message>
    <message>
        <source>The paper &quot;%1&quot; could not be deleted. %2</source>
        <translation>无法删除试卷“%1”。%2</translation>
    </message>
    <message>
        <source>The folders of the paper &quot;%1&quot; could not be made. %2</source>
        <translation>无法创建试卷“%1”的文件夹。%2</translation>
    </message>
    <message>
        <source>the paper list was not saved</source>
        <translation>试卷列表没有保存</translation>
    </message>
    <message>
        <source>the settings of the paper &quot;%1&quot; were not saved (%2)</source>
        <translation>试卷“%1”的设置没有保存（%2）</translation>
    </message>
    <message>
        <source>Manage paper</source>
        <translation>试卷管理</translation>
    </message>
</context>
<context>
    <name>PaperPrint</name>
    <message>
        <source>the %1 document of question %2 has the name &quot;%3&quot;, which is not a file of the paper&apos;s folder</source>
        <translation>第 %2 题的%1文档名为“%3”，它不是试卷文件夹中的文件</translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 is too large</source>
        <translation>第 %3 题的%1文档 %2 太大</translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 cannot be read (%4)</source>
        <translation>无法读取第 %3 题的%1文档 %2（%4）</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The template cannot be used: %1</source>
        <translation>无法使用模板：%1</translation>
    </message>
    <message>
        <source>The template has no %1 placeholder to start the question block.</source>
        <translation>模板中没有开始题目块的 %1 占位符。</translation>
    </message>
    <message>
        <source>The template has no %1 placeholder after %2 to end the question block.</source>
        <translation>模板中 %2 之后没有结束题目块的 %1 占位符。</translation>
    </message>
    <message>
        <source>The template has no %1 placeholder for the answer key.</source>
        <translation>模板中没有答案的 %1 占位符。</translation>
    </message>
    <message>
        <source>The template&apos;s question block cannot be copied.</source>
        <translation>无法复制模板的题目块。</translation>
    </message>
    <message>
        <source>question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>The document cannot be made: %1</source>
        <translation>无法生成文档：%1</translation>
    </message>
    <message>
        <source>[no answer]</source>
        <translation>[无答案]</translation>
    </message>
</context>
<context>
    <name>PasswordChange</name>
    <message>
        <source>The new password is longer than %1 characters. Please choose a shorter one.</source>
        <translation>新密码超过 %1 个字符。请选择短一些的密码。</translation>
    </message>
    <message>
        <source>SetPassword</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>The new password holds a control character. Please choose another one.</source>
        <translation>新密码含有控制字符。请选择其他密码。</translation>
    </message>
    <message>
        <source>the new password was not saved</source>
        <translation>新密码没有保存</translation>
    </message>
</context>
<context>
    <name>PrintPaperCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation>没有试卷“%1”</translation>
    </message>
    <message>
        <source>Write a paper as a Word document.</source>
        <translation>把试卷写成 Word 文档。</translation>
    </message>
    <message>
        <source>The paper, as &quot;Manage paper&quot; lists it.</source>
        <translation>试卷，名称与“试卷管理”中列出的相同。</translation>
    </message>
    <message>
        <source>Print each question&apos;s explanation after it.</source>
        <translation>在每道题目之后打印它的解析。</translation>
    </message>
    <message>
        <source>Where the document goes (a file there is replaced).</source>
        <translation>文档的保存位置（替换已有的文件）。</translation>
    </message>
    <message>
        <source>Fill FILE instead of the data root&apos;s sys/paper.dotx.</source>
        <translation>填写 FILE，而不是数据根目录中的 sys/paper.dotx。</translation>
    </message>
    <message>
        <source>The paper&apos;s row is as &quot;Manage paper&quot; shows it on opening.</source>
        <translation>试卷信息与打开“试卷管理”时显示的相同。</translation>
    </message>
</context>
<context>
    <name>QuestionCommands</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation>没有试卷“%1”</translation>
    </message>
    <message>
        <source>The paper, as &quot;Manage paper&quot; lists it.</source>
        <translation>试卷，名称与“试卷管理”中列出的相同。</translation>
    </message>
    <message>
        <source>name at least one FILE of questions</source>
        <translation>请至少指定一个题目文件 FILE</translation>
    </message>
    <message>
        <source>%1; nothing is imported</source>
        <translation>%1；未导入任何题目</translation>
    </message>
    <message>
        <source>skipped %1</source>
        <translation>已跳过 %1</translation>
    </message>
    <message>
        <source>the files hold no question that can be imported</source>
        <translation>文件中没有可以导入的题目</translation>
    </message>
    <message>
        <source>Imported 1 question into &quot;%1&quot;: question %2 of %3.</source>
        <translation>已向“%1”导入 1 道题：第 %2 题，共 %3 题。</translation>
    </message>
    <message>
        <source>Imported %1 questions into &quot;%2&quot;: questions %3 to %4 of %5.</source>
        <translation>已向“%2”导入 %1 道题：第 %3 至 %4 题，共 %5 题。</translation>
    </message>
    <message>
        <source>the paper file %1 cannot be read (%2)</source>
        <translation>无法读取试卷文件 %1（%2）</translation>
    </message>
    <message>
        <source>the questions were not written to %1 (%2)</source>
        <translation>题目未写入 %1（%2）</translation>
    </message>
    <message>
        <source>Wrote 1 question of &quot;%1&quot; to %2.</source>
        <translation>已将“%1”的 1 道题写入 %2。</translation>
    </message>
    <message>
        <source>Wrote %1 questions of &quot;%2&quot; to %3.</source>
        <translation>已将“%2”的 %1 道题写入 %3。</translation>
    </message>
    <message>
        <source>%1 carries text only: %2 pictures are left out</source>
        <translation>%1 只能保存文字：%2 张图片未写出</translation>
    </message>
    <message>
        <source>aiken holds one right option: %1 questions keep only their first</source>
        <translation>aiken 每题只能有一个正确选项：%1 道题只保留了第一个</translation>
    </message>
    <message>
        <source>Append the questions of GIFT, Aiken or Moodle XML files to a paper.</source>
        <translation>把 GIFT、Aiken 或 Moodle XML 文件中的题目追加到试卷。</translation>
    </message>
    <message>
        <source>The files&apos; format; without it, each file&apos;s content tells.</source>
        <translation>文件格式；不指定时按每个文件的内容判断。</translation>
    </message>
    <message>
        <source>The files&apos; encoding; without it, UTF-8 (with or without a byte-order mark) or else GBK.</source>
        <translation>文件编码；不指定时为 UTF-8（带或不带字节顺序标记），否则为 GBK。</translation>
    </message>
    <message>
        <source>Every file is read first: a malformed one is named with its line and nothing is imported. Questions of other types are skipped and listed. Refused while a paper is open in an editor on this computer.</source>
        <translation>先读完所有文件：格式有误的文件会指出所在行，并且不导入任何题目。其他题型会被跳过并列出。本机有试卷正在编辑时拒绝执行。</translation>
    </message>
    <message>
        <source>Write the questions of a paper as GIFT, Aiken or Moodle XML.</source>
        <translation>把试卷的题目写成 GIFT、Aiken 或 Moodle XML 文件。</translation>
    </message>
    <message>
        <source>The format to write.</source>
        <translation>要写出的格式。</translation>
    </message>
    <message>
        <source>The file to write (a file there is replaced).</source>
        <translation>要写入的文件（已有的文件会被替换）。</translation>
    </message>
    <message>
        <source>Moodle XML carries the pictures; GIFT and Aiken carry text only, and Aiken one right option per question.</source>
        <translation>Moodle XML 包含图片；GIFT 和 Aiken 只有文字，Aiken 每题只能有一个正确选项。</translation>
    </message>
</context>
<context>
    <name>QuestionDocuments</name>
    <message>
        <source>True</source>
        <translation>对</translation>
    </message>
    <message>
        <source>False</source>
        <translation>错</translation>
    </message>
    <message>
        <source>1 question comes in.</source>
        <translation>将导入 1 道题。</translation>
    </message>
    <message>
        <source>%1 questions come in.</source>
        <translation>将导入 %1 道题。</translation>
    </message>
    <message>
        <source>1 question is skipped:</source>
        <translation>跳过 1 道题：</translation>
    </message>
    <message>
        <source>%1 questions are skipped:</source>
        <translation>跳过 %1 道题：</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1 line %2: &quot;%3&quot;: %4</source>
        <translation>%1 第 %2 行：“%3”：%4</translation>
    </message>
</context>
<context>
    <name>QuestionFormats</name>
    <message>
        <source>the question of line %1 has no ANSWER line</source>
        <translation>第 %1 行的题目没有 ANSWER 行</translation>
    </message>
    <message>
        <source>an ANSWER line without a question</source>
        <translation>ANSWER 行前没有题目</translation>
    </message>
    <message>
        <source>the question has no options (A. ...) before its ANSWER line</source>
        <translation>题目在 ANSWER 行前没有选项（A. ...）</translation>
    </message>
    <message>
        <source>ANSWER names one option letter, not &quot;%1&quot;</source>
        <translation>ANSWER 应为一个选项字母，而不是“%1”</translation>
    </message>
    <message>
        <source>ANSWER %1 names no option; the options are A to %2</source>
        <translation>ANSWER %1 不是任何选项；选项为 A 到 %2</translation>
    </message>
    <message>
        <source>an option before its question</source>
        <translation>选项出现在题目之前</translation>
    </message>
    <message>
        <source>option %1 has no text</source>
        <translation>选项 %1 没有内容</translation>
    </message>
    <message>
        <source>option %1 where option %2 or the ANSWER line belongs</source>
        <translation>此处应为选项 %2 或 ANSWER 行，却是选项 %1</translation>
    </message>
    <message>
        <source>after option %1 comes option %2 or the ANSWER line</source>
        <translation>选项 %1 之后应为选项 %2 或 ANSWER 行</translation>
    </message>
    <message>
        <source>no options</source>
        <translation>没有选项</translation>
    </message>
    <message>
        <source>%1 options; a paper has at most %2</source>
        <translation>%1 个选项；试卷的题目最多 %2 个选项</translation>
    </message>
    <message>
        <source>no option is right</source>
        <translation>没有正确选项</translation>
    </message>
    <message>
        <source>essay</source>
        <translation>问答题</translation>
    </message>
    <message>
        <source>numerical</source>
        <translation>数值题</translation>
    </message>
    <message>
        <source>matching</source>
        <translation>匹配题</translation>
    </message>
    <message>
        <source>short-answer</source>
        <translation>简答题</translation>
    </message>
    <message>
        <source>cloze</source>
        <translation>完形填空题</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>计算题</translation>
    </message>
    <message>
        <source>drag-and-drop</source>
        <translation>拖放题</translation>
    </message>
    <message>
        <source>select-missing-words</source>
        <translation>选词填空题</translation>
    </message>
    <message>
        <source>random matching</source>
        <translation>随机匹配题</translation>
    </message>
    <message>
        <source>%1 questions are not taken</source>
        <translation>不导入%1</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>文件大于 %1 MB</translation>
    </message>
    <message>
        <source>the title opened by &quot;::&quot; is not closed</source>
        <translation>以“::”开始的标题没有结束</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; (write \} for a brace)</source>
        <translation>“}”前没有对应的“{”（花括号本身请写作 \}）</translation>
    </message>
    <message>
        <source>the answer block opened by &quot;{&quot; is not closed</source>
        <translation>以“{”开始的答案块没有结束</translation>
    </message>
    <message>
        <source>a &quot;{&quot; inside an answer block (write \{ for a brace)</source>
        <translation>答案块中出现“{”（花括号本身请写作 \{）</translation>
    </message>
    <message>
        <source>a second answer block; a question has one</source>
        <translation>出现第二个答案块；一道题只能有一个</translation>
    </message>
    <message>
        <source>descriptions without answers are not taken</source>
        <translation>不导入没有答案的说明</translation>
    </message>
    <message>
        <source>the question has no text</source>
        <translation>题目没有内容</translation>
    </message>
    <message>
        <source>the answer block holds neither =right nor ~wrong answers</source>
        <translation>答案块中既没有 =正确答案 也没有 ~错误答案</translation>
    </message>
    <message>
        <source>the weight of answer %1 has no closing &quot;%&quot;</source>
        <translation>答案 %1 的权重缺少结尾的“%”</translation>
    </message>
    <message>
        <source>the weight &quot;%%1%&quot; of answer %2 is not a number</source>
        <translation>答案 %2 的权重“%%1%”不是数字</translation>
    </message>
    <message>
        <source>answer %1 has no text</source>
        <translation>答案 %1 没有内容</translation>
    </message>
    <message>
        <source>the question has no type</source>
        <translation>题目没有题型</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is no plain name</source>
        <translation>文件名“%1”不是单纯的文件名</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is not in base64</source>
        <translation>文件“%1”不是 base64 编码</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is not valid base64</source>
        <translation>文件“%1”不是有效的 base64</translation>
    </message>
    <message>
        <source>the default grade &quot;%1&quot; is not a mark</source>
        <translation>默认分值“%1”不是分数</translation>
    </message>
    <message>
        <source>answer %1 has the fraction &quot;%2&quot;, which is no number</source>
        <translation>答案 %1 的得分比例“%2”不是数字</translation>
    </message>
    <message>
        <source>a true/false question with %1 answers</source>
        <translation>判断题有 %1 个答案</translation>
    </message>
    <message>
        <source>both true and false are right</source>
        <translation>对和错都是正确答案</translation>
    </message>
    <message>
        <source>the file holds no XML element</source>
        <translation>文件中没有 XML 元素</translation>
    </message>
    <message>
        <source>the file holds &lt;%1&gt;, not a Moodle XML &lt;quiz&gt;</source>
        <translation>文件中是 &lt;%1&gt;，不是 Moodle XML 的 &lt;quiz&gt;</translation>
    </message>
    <message>
        <source>the file is neither Moodle XML, nor Aiken, nor GIFT questions</source>
        <translation>文件既不是 Moodle XML，也不是 Aiken 或 GIFT 题目</translation>
    </message>
</context>
<context>
    <name>Relationships</name>
    <message>
        <source>the part %1 holds no relationships</source>
        <translation>部件 %1 没有关系</translation>
    </message>
</context>
<context>
    <name>ResultsCommand</name>
    <message>
        <source>there is no paper &quot;%1&quot;</source>
        <translation>没有试卷“%1”</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;</source>
        <translation>没有班级“%1”</translation>
    </message>
    <message>
        <source>Print the results of a paper and class as CSV.</source>
        <translation>以 CSV 格式打印一份试卷、一个班级的成绩。</translation>
    </message>
    <message>
        <source>The paper, as &quot;View achievement&quot; lists it.</source>
        <translation>试卷，名称与“考务成绩”中列出的相同。</translation>
    </message>
    <message>
        <source>The class.</source>
        <translation>班级。</translation>
    </message>
    <message>
        <source>Prints the testees in number order, the statistics and the questions.</source>
        <translation>按考号顺序打印考生，然后是统计数据和题目。</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sorry!No test now.</source>
        <translation>对不起！现在没有考试。</translation>
    </message>
    <message>
        <source>Sorry!No achievement now.</source>
        <translation>对不起！现在没有成绩。</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Click to change sort</source>
        <translation>单击更改排序</translation>
    </message>
</context>
<context>
    <name>ResultsWorkbook</name>
    <message>
        <source>The template cannot be used: %1</source>
        <translation>无法使用模板：%1</translation>
    </message>
    <message>
        <source>The template has %1 worksheets; it needs %2 (testees, statistics, questions, answers).</source>
        <translation>模板有 %1 个工作表；需要 %2 个（考生、统计、题目、答案）。</translation>
    </message>
    <message>
        <source>Sheet %1 of the template (%2) holds no cells.</source>
        <translation>模板的工作表 %1（%2）没有单元格。</translation>
    </message>
    <message>
        <source>NO </source>
        <translation>未答 </translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1</source>
        <translation>无法生成工作簿：%1</translation>
    </message>
</context>
<context>
    <name>RootCheck</name>
    <message>
        <source>cannot be read: </source>
        <translation>无法读取：</translation>
    </message>
    <message>
        <source>is too large (%1 bytes; the programs read files of up to %2 bytes)</source>
        <translation>太大（%1 字节；程序只读取不超过 %2 字节的文件）</translation>
    </message>
    <message>
        <source>class</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>paper</source>
        <translation>试卷</translation>
    </message>
    <message>
        <source>classes</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>papers</source>
        <translation>试卷</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 到 %3</translation>
    </message>
    <message>
        <source>position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>%1 %2 is listed twice (positions %3 and %4)</source>
        <translation>%1 %2 列出了两次（位置 %3 和 %4）</translation>
    </message>
    <message>
        <source>%1 number %2 and %3 number %4 both write %5</source>
        <translation>%1 考号 %2 和 %3 考号 %4 都写入 %5</translation>
    </message>
    <message>
        <source>question %1 names no %2 document</source>
        <translation>第 %1 题没有指明%2文档</translation>
    </message>
    <message>
        <source>question %1 names the %2 document %3, which is not a file name</source>
        <translation>第 %1 题指明的%2文档 %3 不是文件名</translation>
    </message>
    <message>
        <source>the %1 document %2 of question %3 is missing</source>
        <translation>第 %3 题的%1文档 %2 不存在</translation>
    </message>
    <message>
        <source>paper %1 has no folder</source>
        <translation>试卷 %1 没有文件夹</translation>
    </message>
    <message>
        <source>paper %1 has no paper file</source>
        <translation>试卷 %1 没有试卷文件</translation>
    </message>
    <message>
        <source>question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>paper %1 has no result folder: the results of its testees are lost</source>
        <translation>试卷 %1 没有成绩文件夹：其考生的成绩会丢失</translation>
    </message>
    <message>
        <source>cannot be listed</source>
        <translation>无法列出</translation>
    </message>
    <message>
        <source>section [%1] holds records of a class the roster does not hold</source>
        <translation>节 [%1] 中有名册中不存在的班级的记录</translation>
    </message>
    <message>
        <source>testee %1 of class %2 is outside the class&apos;s numbers %3 to %4</source>
        <translation>班级 %2 的考生 %1 不在该班的考号 %3 到 %4 之内</translation>
    </message>
    <message>
        <source>holds the record of testee %1 of class %2, which belongs in %3</source>
        <translation>存有班级 %2 考生 %1 的记录，它应该在 %3 中</translation>
    </message>
    <message>
        <source>no paper of the roster owns this folder</source>
        <translation>名册中没有试卷拥有这个文件夹</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot;</source>
        <translation>没有文件夹“%1”</translation>
    </message>
    <message>
        <source>there is no data root in &quot;%1&quot;: it holds no sys/sys.cho</source>
        <translation>“%1”中没有数据根目录：其中没有 sys/sys.cho</translation>
    </message>
    <message>
        <source>%1 of %2 has no name in section [%3]</source>
        <translation>%2 个中的%1在节 [%3] 中没有名称</translation>
    </message>
    <message>
        <source>%1 of %2 have no name in section [%3]</source>
        <translation>%2 个中的%1在节 [%3] 中没有名称</translation>
    </message>
    <message>
        <source>classes %1 and %2 share %3 record file: %4; deleting the score of one deletes the other&apos;s</source>
        <translation>班级 %1 和 %2 共用 %3 个成绩文件：%4；删除一个的成绩会同时删除另一个的成绩</translation>
    </message>
    <message>
        <source>classes %1 and %2 share %3 record files: %4; deleting the score of one deletes the other&apos;s</source>
        <translation>班级 %1 和 %2 共用 %3 个成绩文件：%4；删除一个的成绩会同时删除另一个的成绩</translation>
    </message>
</context>
<context>
    <name>RootGate</name>
    <message>
        <source>No data root is set for Quorin. Please tell the teacher: it is set with DataRoot in /etc/xdg/quorin/quorin.conf.</source>
        <translation>没有为 Quorin 设置数据根目录。请告诉老师：它在 /etc/xdg/quorin/quorin.conf 中用 DataRoot 设置。</translation>
    </message>
    <message>
        <source> (set by QUORIN_DATA_ROOT)</source>
        <translation>（由 QUORIN_DATA_ROOT 设置）</translation>
    </message>
    <message>
        <source> (set in </source>
        <translation>（设置于 </translation>
    </message>
    <message>
        <source>Quorin looked for its data root in &quot;%1&quot;%2 and found no roster (sys/sys.cho) there. Please tell the teacher.</source>
        <translation>Quorin 在“%1”%2中查找数据根目录，但那里没有名册（sys/sys.cho）。请告诉老师。</translation>
    </message>
</context>
<context>
    <name>RootInit</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>“%1”不是文件夹</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>无法创建文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>cannot write the roster &quot;%1&quot;: %2</source>
        <translation>无法写入名册“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a data root already (sys/sys.cho); nothing was changed</source>
        <translation>“%1”中已经有数据根目录（sys/sys.cho）；没有做任何更改</translation>
    </message>
    <message>
        <source>warning: no help pages or templates were found to copy; copy them into the data root by hand</source>
        <translation>警告：没有找到可复制的帮助页面或模板；请手动把它们复制到数据根目录中</translation>
    </message>
    <message>
        <source>warning: no help pages or templates were found to copy in &quot;%1&quot;; copy them into the data root by hand</source>
        <translation>警告：在“%1”中没有找到可复制的帮助页面或模板；请手动把它们复制到数据根目录中</translation>
    </message>
    <message>
        <source>kept the existing %1</source>
        <translation>保留已有的 %1</translation>
    </message>
    <message>
        <source>made a new data root in &quot;%1&quot;</source>
        <translation>已在“%1”中建立新的数据根目录</translation>
    </message>
    <message>
        <source>Make a new data root in DIR, or in the data root named by the options.</source>
        <translation>在 DIR 中，或在选项指定的数据根目录中建立新的数据根目录。</translation>
    </message>
    <message>
        <source>[DIR]</source>
        <translation>[DIR]</translation>
    </message>
    <message>
        <source>DIR is made when it is missing; files it holds already are kept.</source>
        <translation>DIR 不存在时会创建；其中已有的文件保留。</translation>
    </message>
    <message>
        <source>name the folder: %1</source>
        <translation>请指定文件夹：%1</translation>
    </message>
</context>
<context>
    <name>RootLocation</name>
    <message>
        <source>the program&apos;s folder</source>
        <translation>程序所在的文件夹</translation>
    </message>
</context>
<context>
    <name>RootSetup</name>
    <message>
        <source> (set by QUORIN_DATA_ROOT)</source>
        <translation>（由 QUORIN_DATA_ROOT 设置）</translation>
    </message>
    <message>
        <source> (set in </source>
        <translation>（设置于 </translation>
    </message>
    <message>
        <source>There is no data root in &quot;%1&quot;%2:
it holds no roster (sys/sys.cho).</source>
        <translation>“%1”%2中没有数据根目录：
其中没有名册（sys/sys.cho）。</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;%2.</source>
        <translation>没有文件夹“%1”%2。</translation>
    </message>
    <message>
        <source>
If it is a network share, check that it is mounted before you answer Yes.</source>
        <translation>
如果它是网络共享，请先确认已经挂载，再回答“是”。</translation>
    </message>
    <message>
        <source>
Make a new data root there?</source>
        <translation>
在那里建立新的数据根目录吗？</translation>
    </message>
    <message>
        <source>Quorin ends: there is no data root in &quot;%1&quot;.</source>
        <translation>Quorin 结束：“%1”中没有数据根目录。</translation>
    </message>
    <message>
        <source>Could not make a data root in &quot;%1&quot;: %2.</source>
        <translation>无法在“%1”中建立数据根目录：%2。</translation>
    </message>
    <message>
        <source>Quorin ends: no data root is set; </source>
        <translation>Quorin 结束：没有设置数据根目录；</translation>
    </message>
    <message>
        <source>No data root is set for Quorin.
Choose its folder now? The choice is kept in %1.</source>
        <translation>没有为 Quorin 设置数据根目录。
现在选择它的文件夹吗？选择会保存在 %1 中。</translation>
    </message>
    <message>
        <source>Choose the data root</source>
        <translation>选择数据根目录</translation>
    </message>
    <message>
        <source>Could not keep the data root in %1; name it there by hand: DataRoot=%2</source>
        <translation>无法把数据根目录保存到 %1 中；请在那里手动写入：DataRoot=%2</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>Incorrect!Please enter again!</source>
        <translation>密码错误！请重新输入！</translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation>考务管理</translation>
    </message>
</context>
<context>
    <name>SplashPicture</name>
    <message>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation>考务管理</translation>
    </message>
    <message>
        <source>Classroom tests on a shared folder</source>
        <translation>基于共享文件夹的课堂考试</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>a name holds characters the file cannot keep</source>
        <translation>名称中有文件无法保存的字符</translation>
    </message>
    <message>
        <source>another program is writing the file</source>
        <translation>另一个程序正在写入该文件</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>writing there is not permitted</source>
        <translation>不允许在那里写入</translation>
    </message>
    <message>
        <source>the disk or share failed</source>
        <translation>磁盘或共享出错</translation>
    </message>
    <message>
        <source>a file of that name exists</source>
        <translation>同名文件已存在</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>The disk holding %1 is full</source>
        <translation>%1所在的磁盘已满</translation>
    </message>
    <message>
        <source>The disk quota for %1 is used up</source>
        <translation>%1的磁盘配额已用完</translation>
    </message>
    <message>
        <source>Writing to %1 is not permitted</source>
        <translation>不允许写入%1</translation>
    </message>
    <message>
        <source>The disk or network share holding %1 failed</source>
        <translation>%1所在的磁盘或网络共享出错</translation>
    </message>
    <message>
        <source>A folder of %1 does not exist</source>
        <translation>%1的一个文件夹不存在</translation>
    </message>
    <message>
        <source>Another program kept the file locked</source>
        <translation>另一个程序锁定了该文件</translation>
    </message>
    <message>
        <source>The file is too large to rewrite safely</source>
        <translation>文件太大，无法安全地重写</translation>
    </message>
    <message>
        <source>A name holds characters the file cannot keep</source>
        <translation>名称中有文件无法保存的字符</translation>
    </message>
    <message>
        <source>A file of that name exists in %1</source>
        <translation>%1中已有同名文件</translation>
    </message>
    <message>
        <source>The file could not be written in %1</source>
        <translation>无法在%1中写入文件</translation>
    </message>
    <message>
        <source>; nothing was changed.</source>
        <translation>；没有做任何更改。</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file is too large (over 16 MiB, or too many sections or keys)</source>
        <translation>文件太大（超过 16 MiB，或节、键太多）</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>the data root</source>
        <translation>数据根目录</translation>
    </message>
</context>
<context>
    <name>TeacherCommand</name>
    <message>
        <source>Use the data root in DIR (&quot;teacher --help&quot; says where it is looked for without it).</source>
        <translation>使用 DIR 中的数据根目录（不给出时在哪里查找，见“teacher --help”）。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示本帮助并结束。</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 不带值</translation>
    </message>
    <message>
        <source>--%1 needs a value (%2)</source>
        <translation>--%1 需要一个值（%2）</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation>--%1 的值是 %2，不是“%3”</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>--data-root is given more than once</source>
        <translation>--data-root 给出了不止一次</translation>
    </message>
    <message>
        <source>--data-root needs a folder</source>
        <translation>--data-root 需要一个文件夹</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>用法：</translation>
    </message>
    <message>
        <source> [--data-root DIR] </source>
        <translation> [--data-root DIR] </translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
选项：
</translation>
    </message>
    <message>
        <source>name one with --data-root DIR, QUORIN_DATA_ROOT, or DataRoot in ~/.config/quorin/quorin.conf or /etc/xdg/quorin/quorin.conf</source>
        <translation>请用 --data-root DIR、QUORIN_DATA_ROOT，或 ~/.config/quorin/quorin.conf 或 /etc/xdg/quorin/quorin.conf 中的 DataRoot 指定</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>命令：
</translation>
    </message>
    <message>
        <source>
&quot;COMMAND --help&quot; shows the options of a command.
</source>
        <translation>
“COMMAND --help”显示命令的选项。
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;. Try &quot;%2 --help&quot;.</source>
        <translation>未知命令“%1”。请试试“%2 --help”。</translation>
    </message>
    <message>
        <source>--data-root is given more than once; %1</source>
        <translation>--data-root 给出了不止一次；%1</translation>
    </message>
    <message>
        <source>no data root is set; %1</source>
        <translation>没有设置数据根目录；%1</translation>
    </message>
    <message>
        <source>there is no data root in &quot;%1&quot; (from %2): it holds no sys/sys.cho</source>
        <translation>“%1”（来自%2）中没有数据根目录：其中没有 sys/sys.cho</translation>
    </message>
</context>
<context>
    <name>TeacherLogin</name>
    <message>
        <source>The password cannot be checked: %1 (%2).</source>
        <translation>无法检查密码：%1（%2）。</translation>
    </message>
</context>
<context>
    <name>TemplateSource</name>
    <message>
        <source>There is no template %1. Put a %2 template (.%3) with the placeholders there; Quorin ships one in its data/sys folder.</source>
        <translation>没有模板 %1。请在那里放一个带占位符的 %2 模板（.%3）；Quorin 在它的 data/sys 文件夹中附带了一个。</translation>
    </message>
    <message>
        <source>The data root holds only the old template %1, which needs LibreOffice to be read. Install LibreOffice (it converts the template once), or put a %2 template at %3.</source>
        <translation>数据根目录中只有旧模板 %1，需要 LibreOffice 才能读取。请安装 LibreOffice（它会把模板转换一次），或在 %3 放一个 %2 模板。</translation>
    </message>
    <message>
        <source>The old template %1 cannot be read (%2).</source>
        <translation>无法读取旧模板 %1（%2）。</translation>
    </message>
    <message>
        <source>The old template %1 cannot be read.</source>
        <translation>无法读取旧模板 %1。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made to keep the converted template.</source>
        <translation>无法创建保存转换后模板的文件夹 %1。</translation>
    </message>
    <message>
        <source>The old template %1 could not be converted: %2</source>
        <translation>无法转换旧模板 %1：%2</translation>
    </message>
    <message>
        <source>no room for the conversion next to %1</source>
        <translation>%1 旁边没有空间进行转换</translation>
    </message>
    <message>
        <source>%1 cannot be copied (%2)</source>
        <translation>无法复制 %1（%2）</translation>
    </message>
    <message>
        <source>LibreOffice did not finish in time</source>
        <translation>LibreOffice 没有按时完成</translation>
    </message>
    <message>
        <source>LibreOffice (%1) could not be started</source>
        <translation>无法启动 LibreOffice（%1）</translation>
    </message>
    <message>
        <source>LibreOffice made no file%1</source>
        <translation>LibreOffice 没有生成文件%1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
</context>
<context>
    <name>TestPool</name>
    <message>
        <source>The question already exists!<byte value="xd"/>will you add the same question?</source>
        <translation>该题目已经存在！</translation>
    </message>
</context>
<context>
    <name>TestRoomTable</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The roster %1 could not be read: %2. The papers and classes are shown empty and cannot be saved.</source>
        <translation>无法读取名册 %1：%2。试卷和班级显示为空，并且不能保存。</translation>
    </message>
    <message>
        <source>Nothing was saved, because the roster could not be read when this window opened.</source>
        <translation>什么都没有保存，因为打开本窗口时无法读取名册。</translation>
    </message>
    <message>
        <source>the test room was not saved</source>
        <translation>考场设置没有保存</translation>
    </message>
    <message>
        <source>The flags of %1 were not saved: the roster uses that name for its own entries. Rename the paper in Manage paper.</source>
        <translation>%1 的设置没有保存：名册自己的条目使用了这个名称。请在“试卷管理”中给试卷改名。</translation>
    </message>
    <message>
        <source>Manage test</source>
        <translation>考场管理</translation>
    </message>
</context>
<context>
    <name>WordOutput</name>
    <message>
        <source>

The document is %1</source>
        <translation>

文档是 %1</translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with your word processor.</source>
        <translation>

没有找到打开它的程序；请用你的文字处理程序打开。</translation>
    </message>
    <message>
        <source>The document cannot be saved: %1</source>
        <translation>文档无法保存：%1</translation>
    </message>
    <message>
        <source>Will you input the explain of the answer?</source>
        <translation>要输出答案的解析吗？</translation>
    </message>
    <message>
        <source>The operation succeed!</source>
        <translation>操作成功！</translation>
    </message>
    <message>
        <source>The function will be operated with WORD.</source>
        <translation>该功能需要使用 WORD。</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>not a plain file name</source>
        <translation>不是单纯的文件名</translation>
    </message>
</context>
<context>
    <name>XlsxTemplate</name>
    <message>
        <source>the sheet %1 is not a SpreadsheetML worksheet</source>
        <translation>工作表 %1 不是 SpreadsheetML 工作表</translation>
    </message>
    <message>
        <source>the rows of sheet %1 are out of order</source>
        <translation>工作表 %1 的行顺序错乱</translation>
    </message>
    <message>
        <source>a spreadsheet or spreadsheet template</source>
        <translation>电子表格或电子表格模板</translation>
    </message>
    <message>
        <source>an Excel template (.xltx)</source>
        <translation>Excel 模板（.xltx）</translation>
    </message>
    <message>
        <source>the workbook is not SpreadsheetML (Strict Open XML is not read; save it as an Excel template in the usual format)</source>
        <translation>工作簿不是 SpreadsheetML（不读取 Strict Open XML；请以常规格式另存为 Excel 模板）</translation>
    </message>
    <message>
        <source>the sheet %1 is missing</source>
        <translation>缺少工作表 %1</translation>
    </message>
    <message>
        <source>the workbook has too many sheets</source>
        <translation>工作簿中的工作表太多</translation>
    </message>
</context>
<context>
    <name>Xml</name>
    <message>
        <source>the part %1 is not well-formed XML (%2 at byte %3)</source>
        <translation>部件 %1 不是格式正确的 XML（%2，位于第 %3 字节）</translation>
    </message>
    <message>
        <source>the part %1 is empty</source>
        <translation>部件 %1 为空</translation>
    </message>
    <message>
        <source>the part %1 is nested too deeply</source>
        <translation>部件 %1 嵌套太深</translation>
    </message>
</context>
<context>
    <name>editor::EditPaperWindow</name>
    <message>
        <source>Default  mark</source>
        <translation>默认分值</translation>
    </message>
    <message>
        <source>Use test pool</source>
        <translation>使用题库</translation>
    </message>
    <message>
        <source>Use test pool,you can input question from test pool directly.</source>
        <translation>使用题库，可以直接从题库中导入题目。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save the paper and return</source>
        <translation>保存试卷并返回</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to edit a paper</source>
        <translation>如何编辑试卷</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>题目</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> 题号</translation>
    </message>
    <message>
        <source> Question</source>
        <translation> 题目</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>插入空题</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete   </source>
        <translation>删除   </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>答案：</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>分值：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 上一题</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一题 &gt;</translation>
    </message>
    <message>
        <source>explain</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>the edit of %1 was not saved</source>
        <translation>%1 的编辑内容没有保存</translation>
    </message>
    <message>
        <source>the editor&apos;s local folder</source>
        <translation>编辑器的本地文件夹</translation>
    </message>
    <message>
        <source> The text stays in the window.</source>
        <translation> 文字保留在窗口中。</translation>
    </message>
    <message>
        <source>Hide test pool</source>
        <translation>隐藏题库</translation>
    </message>
    <message>
        <source>Hide test pool,Edit the test question by yourself. </source>
        <translation>隐藏题库，自己编辑题目。</translation>
    </message>
    <message>
        <source>Import questions...</source>
        <translation>导入题目...</translation>
    </message>
    <message>
        <source>Bring in questions from a GIFT, Aiken or Moodle XML file.</source>
        <translation>从 GIFT、Aiken 或 Moodle XML 文件导入题目。</translation>
    </message>
    <message>
        <source>Import questions</source>
        <translation>导入题目</translation>
    </message>
    <message>
        <source>Question files (*.txt *.gift *.xml);;All files (*)</source>
        <translation>题目文件 (*.txt *.gift *.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>No question is imported.
</source>
        <translation>未导入任何题目。
</translation>
    </message>
    <message>
        <source>No question of the file can be imported.
</source>
        <translation>文件中没有可以导入的题目。
</translation>
    </message>
</context>
<context>
    <name>editor::PaneMenu</name>
    <message>
        <source>cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>FontName</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>FontSize</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>FontColoer</source>
        <translation>字体颜色</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>上标</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>下标</translation>
    </message>
    <message>
        <source>Insert picture...</source>
        <translation>插入图片...</translation>
    </message>
    <message>
        <source>Insert picture</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read.</source>
        <translation>无法读取图片 %1。</translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG picture; only those can go into a question.</source>
        <translation>%1 不是 PNG 或 JPEG 图片；题目中只能放这两种图片。</translation>
    </message>
</context>
<context>
    <name>editor::TestPoolFrame</name>
    <message>
        <source>Test pool</source>
        <translation>题库</translation>
    </message>
    <message>
        <source>&lt;-Input question from test pool&lt;-</source>
        <translation>&lt;-从题库导入题目&lt;-</translation>
    </message>
    <message>
        <source>Test paper</source>
        <translation>试卷</translation>
    </message>
    <message>
        <source>Questions of the test paper</source>
        <translation>试卷的题目</translation>
    </message>
    <message>
        <source>Dblclick to input question </source>
        <translation>双击导入题目</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>results::AnalysisWindow</name>
    <message>
        <source>Item analysis</source>
        <translation>题目分析</translation>
    </message>
    <message>
        <source>Classes counted in</source>
        <translation>计入的班级</translation>
    </message>
    <message>
        <source>Tick classes of the same paper to count in and compare</source>
        <translation>勾选同一试卷的班级，计入统计并进行比较</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Question text</source>
        <translation>题目内容</translation>
    </message>
    <message>
        <source>Option shares</source>
        <translation>各选项比例</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>Upper group</source>
        <translation>高分组</translation>
    </message>
    <message>
        <source>Lower group</source>
        <translation>低分组</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>试卷(&amp;P)</translation>
    </message>
    <message>
        <source>Classes &amp;side by side</source>
        <translation>各班对比(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation>保存报告(&amp;R)...</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>保存报告...</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>&amp;Classes:</source>
        <translation>班级(&amp;C)：</translation>
    </message>
    <message>
        <source>Item analysis: </source>
        <translation>题目分析：</translation>
    </message>
    <message>
        <source>Not answered</source>
        <translation>未答</translation>
    </message>
    <message>
        <source> (key)</source>
        <translation>（答案）</translation>
    </message>
    <message>
        <source>The report cannot be saved: %1</source>
        <translation>报告无法保存：%1</translation>
    </message>
    <message>
        <source>The report is %1</source>
        <translation>报告是 %1</translation>
    </message>
    <message>
        <source>

No program to open it was found; open it with a PDF viewer.</source>
        <translation>

没有找到打开它的程序；请用 PDF 阅读器打开。</translation>
    </message>
</context>
<context>
    <name>results::ResultsWindow</name>
    <message>
        <source>View achievement</source>
        <translation>考务成绩</translation>
    </message>
    <message>
        <source>Test name:</source>
        <translation>试卷名称：</translation>
    </message>
    <message>
        <source>Click to choose test</source>
        <translation>单击选择试卷</translation>
    </message>
    <message>
        <source>Class name:</source>
        <translation>班级名称：</translation>
    </message>
    <message>
        <source>Click to choose class</source>
        <translation>单击选择班级</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>考号</translation>
    </message>
    <message>
        <source>Firstname   Lastname</source>
        <translation>名   姓</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>Surplus time</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Number Firstname Lastname</source>
        <translation>考号 名 姓</translation>
    </message>
    <message>
        <source>Score Sort Surplus time</source>
        <translation>成绩 名次 剩余时间</translation>
    </message>
    <message>
        <source>Click to choose student</source>
        <translation>单击选择考生</translation>
    </message>
    <message>
        <source>Stat.</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Present testee</source>
        <translation>当前考生</translation>
    </message>
    <message>
        <source>Allow retest</source>
        <translation>允许重考</translation>
    </message>
    <message>
        <source>Delete score</source>
        <translation>删除成绩</translation>
    </message>
    <message>
        <source>Output to EXCEL</source>
        <translation>输出到 EXCEL</translation>
    </message>
    <message>
        <source>&amp;Analysis...</source>
        <translation>题目分析(&amp;A)...</translation>
    </message>
    <message>
        <source>Which questions work, which key may be wrong, how classes compare</source>
        <translation>哪些题目效果好，哪些答案可能有误，各班情况对比</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>How to view achievement</source>
        <translation>如何查看成绩</translation>
    </message>
    <message>
        <source>Question No.</source>
        <translation>题号</translation>
    </message>
    <message>
        <source>Score pct ( % )</source>
        <translation>得分率（%）</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>正确答案</translation>
    </message>
    <message>
        <source>Question No. Score pct ( % ) Correct answer</source>
        <translation>题号 得分率（%） 正确答案</translation>
    </message>
    <message>
        <source>Click to choose test question</source>
        <translation>单击选择题目</translation>
    </message>
    <message>
        <source>Testee answer</source>
        <translation>考生答案</translation>
    </message>
    <message>
        <source>Question text</source>
        <translation>题目内容</translation>
    </message>
    <message>
        <source>All testees answeres distributing</source>
        <translation>全体考生答案分布</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>未答</translation>
    </message>
    <message>
        <source>%1: the record of testee %2 was not changed, because %3.</source>
        <translation>%1：考生 %2 的记录没有更改，因为%3。</translation>
    </message>
</context>
<context>
    <name>student</name>
    <message>
        <source>Quorin&apos;s student program: log in to a test paper and sit it.</source>
        <translation>Quorin 学生端程序：登录一份试卷并参加考试。</translation>
    </message>
    <message>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <source>The test program has been running!</source>
        <translation>考试程序已经在运行！</translation>
    </message>
</context>
<context>
    <name>student::AboutTestWindow</name>
    <message>
        <source>About Test</source>
        <translation>考试说明</translation>
    </message>
    <message>
        <source>Full mark:</source>
        <translation>满分：</translation>
    </message>
    <message>
        <source>Test time:</source>
        <translation>考试时间：</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Question Total:</source>
        <translation>题目总数：</translation>
    </message>
    <message>
        <source>Click to start test</source>
        <translation>单击开始考试</translation>
    </message>
</context>
<context>
    <name>student::ExamWindow</name>
    <message>
        <source>Student end</source>
        <translation>网络考试</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>解题辅导</translation>
    </message>
    <message>
        <source>Choose </source>
        <translation>选择</translation>
    </message>
    <message>
        <source>1.A -yes</source>
        <translation>1.A -是</translation>
    </message>
    <message>
        <source>2.B -no</source>
        <translation>2.B -否</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一题</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Finish test </source>
        <translation>结束考试</translation>
    </message>
    <message>
        <source>Pagedown automatically </source>
        <translation>自动翻页</translation>
    </message>
    <message>
        <source>Select question</source>
        <translation>选择题目</translation>
    </message>
    <message>
        <source>Surplus time:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Quorin Ver.4.0</source>
        <translation>Quorin 4.0 版</translation>
    </message>
    <message>
        <source>Ask your teacher for help</source>
        <translation>请向老师求助</translation>
    </message>
</context>
<context>
    <name>student::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Click to return</source>
        <translation>单击返回</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>student::LoginWindow</name>
    <message>
        <source>Student login</source>
        <translation>考试登录</translation>
    </message>
    <message>
        <source>Quorin 4.0</source>
        <translation>Quorin 4.0</translation>
    </message>
    <message>
        <source>Choose test name:</source>
        <translation>选择试卷名称：</translation>
    </message>
    <message>
        <source>Choose class name:</source>
        <translation>选择班级名称：</translation>
    </message>
    <message>
        <source>Input student number:</source>
        <translation>输入考号：</translation>
    </message>
    <message>
        <source>Student number muse be numeric.</source>
        <translation>考号必须是数字。</translation>
    </message>
    <message>
        <source>Input your first name:</source>
        <translation>输入你的名：</translation>
    </message>
    <message>
        <source>Input your last name:</source>
        <translation>输入你的姓：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot;&gt;Quorin help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot;&gt;Quorin 帮助&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quorin help</source>
        <translation>Quorin 帮助</translation>
    </message>
    <message>
        <source>The help pages are missing: </source>
        <translation>帮助页面不存在：</translation>
    </message>
</context>
<context>
    <name>teacher</name>
    <message>
        <source>Quorin&apos;s teacher program: classes, test papers, the test room and the results.
Without a command it opens the main menu on the data root.</source>
        <translation>Quorin 教师端程序：班级、试卷、考场和成绩。
不给出命令时，在数据根目录上打开主菜单。</translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation>考务管理</translation>
    </message>
</context>
<context>
    <name>teacher::LoginWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>考务登录</translation>
    </message>
    <message>
        <source>Please Enter Password:</source>
        <translation>请输入密码：</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>How to login</source>
        <translation>如何登录</translation>
    </message>
</context>
<context>
    <name>teacher::MainMenuWindow</name>
    <message>
        <source>&quot;%1&quot; is not available in this build of the teacher program.</source>
        <translation>这个版本的教师端程序没有“%1”。</translation>
    </message>
</context>
<context>
    <name>teacher::ManageClassesWindow</name>
    <message>
        <source>Testee account</source>
        <translation>考生人数</translation>
    </message>
    <message>
        <source>Input the conut of students </source>
        <translation>输入考生人数</translation>
    </message>
    <message>
        <source>first</source>
        <translation>首考号</translation>
    </message>
    <message>
        <source>The number must be an integer larger than zero </source>
        <translation>该数必须是大于零的整数</translation>
    </message>
    <message>
        <source>last </source>
        <translation>末考号</translation>
    </message>
    <message>
        <source>The number must be larger than the count of first number and student count</source>
        <translation>该数必须大于首考号与考生人数之和</translation>
    </message>
    <message>
        <source>Choose the class </source>
        <translation>选择班级</translation>
    </message>
    <message>
        <source>Click to choose class</source>
        <translation>单击选择班级</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>班级名称</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation>保存并返回主菜单</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to manage classes</source>
        <translation>如何管理班级</translation>
    </message>
    <message>
        <source>Set up testee number</source>
        <translation>设置考号</translation>
    </message>
    <message>
        <source>Class situation</source>
        <translation>班级情况</translation>
    </message>
</context>
<context>
    <name>teacher::ManagePaperWindow</name>
    <message>
        <source>Paper list</source>
        <translation>试卷列表</translation>
    </message>
    <message>
        <source>Click to choose paper,Dbclick to edit paper</source>
        <translation>单击选择试卷，双击编辑试卷</translation>
    </message>
    <message>
        <source>Create paper</source>
        <translation>新建试卷</translation>
    </message>
    <message>
        <source>Delete paper</source>
        <translation>删除试卷</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Edit paper</source>
        <translation>编辑试卷</translation>
    </message>
    <message>
        <source>Click to edit paper</source>
        <translation>单击编辑试卷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>Input paper</source>
        <translation>导入试卷</translation>
    </message>
    <message>
        <source>Output paper</source>
        <translation>导出试卷</translation>
    </message>
    <message>
        <source>Output to WORD</source>
        <translation>输出到 WORD</translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation>保存并返回主菜单</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>return to main menu</source>
        <translation>返回主菜单</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to manage paper</source>
        <translation>如何管理试卷</translation>
    </message>
    <message>
        <source>Set up test information</source>
        <translation>设置考试信息</translation>
    </message>
    <message>
        <source>test time</source>
        <translation>考试时间</translation>
    </message>
    <message>
        <source>default mark</source>
        <translation>默认分值</translation>
    </message>
    <message>
        <source>full mark</source>
        <translation>满分</translation>
    </message>
    <message>
        <source>Question count</source>
        <translation>题目数</translation>
    </message>
    <message>
        <source>A score</source>
        <translation>A 等分数</translation>
    </message>
    <message>
        <source>B score</source>
        <translation>B 等分数</translation>
    </message>
    <message>
        <source>C score</source>
        <translation>C 等分数</translation>
    </message>
    <message>
        <source>D score</source>
        <translation>D 等分数</translation>
    </message>
    <message>
        <source>About test</source>
        <translation>考试说明</translation>
    </message>
    <message>
        <source>retest password</source>
        <translation>重考密码</translation>
    </message>
    <message>
        <source>relogin password</source>
        <translation>重新登录密码</translation>
    </message>
    <message>
        <source>Exercise mode</source>
        <translation>练习模式</translation>
    </message>
    <message>
        <source>achievement displayed at student end</source>
        <translation>在学生端显示成绩</translation>
    </message>
    <message>
        <source>Change questions order</source>
        <translation>打乱题目顺序</translation>
    </message>
    <message>
        <source>Allow to test</source>
        <translation>允许考试</translation>
    </message>
    <message>
        <source>Save completed!</source>
        <translation>保存完成！</translation>
    </message>
    <message>
        <source>The paper editor is not available in this build of the teacher program.</source>
        <translation>这个版本的教师端程序没有试卷编辑器。</translation>
    </message>
    <message>
        <source>&quot;Output to WORD&quot; is not available in this build of the teacher program.</source>
        <translation>这个版本的教师端程序没有“输出到 WORD”。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>author</source>
        <translation>作者</translation>
    </message>
</context>
<context>
    <name>teacher::ManageTestWindow</name>
    <message>
        <source>Paper list</source>
        <translation>试卷列表</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation>是/否</translation>
    </message>
    <message>
        <source>Class list</source>
        <translation>班级列表</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>Yes/NO</source>
        <translation>是/否</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全部允许</translation>
    </message>
    <message>
        <source>Allow all class to test</source>
        <translation>允许所有班级考试</translation>
    </message>
    <message>
        <source>Forbid all</source>
        <translation>全部禁止</translation>
    </message>
    <message>
        <source>prohibit all class to test</source>
        <translation>禁止所有班级考试</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation>保存并返回主菜单</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>return to main menu</source>
        <translation>返回主菜单</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to manage test room</source>
        <translation>如何管理考场</translation>
    </message>
    <message>
        <source>Offer or forbid test:</source>
        <translation>开放或禁止考试：</translation>
    </message>
    <message>
        <source>Set class which joins the test</source>
        <translation>设置参加考试的班级</translation>
    </message>
</context>
<context>
    <name>teacher::SetPasswordWindow</name>
    <message>
        <source>Input old password:</source>
        <translation>输入旧密码：</translation>
    </message>
    <message>
        <source>Input new password:</source>
        <translation>输入新密码：</translation>
    </message>
    <message>
        <source>Input again:</source>
        <translation>再输入一次：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>SetPassword</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>Save and return to main menu</source>
        <translation>保存并返回主菜单</translation>
    </message>
    <message>
        <source>Return to main menu</source>
        <translation>返回主菜单</translation>
    </message>
</context>
<context>
    <name>teacher::SplashWindow</name>
    <message>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
</context>
<context>
    <name>teacher::TeacherShell</name>
    <message>
        <source>The data folder &quot;%1&quot; does not exist. Start the teacher program from its installation folder or name the folder with --data-root.</source>
        <translation>数据文件夹“%1”不存在。请从安装文件夹启动教师端程序，或用 --data-root 指定文件夹。</translation>
    </message>
    <message>
        <source>Teacher End</source>
        <translation>考务管理</translation>
    </message>
</context>
<context>
    <name>ui::HelpViewer</name>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not installed&lt;/h2&gt;&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; does not exist. The help pages come with the program; copy the &lt;tt&gt;help&lt;/tt&gt; folder of the installation into the data folder.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;没有安装帮助&lt;/h2&gt;&lt;p&gt;帮助文件夹 &lt;tt&gt;%1&lt;/tt&gt; 不存在。帮助页面随程序提供；请把安装目录中的 &lt;tt&gt;help&lt;/tt&gt; 文件夹复制到数据文件夹中。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;No help for this window&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1.html&lt;/tt&gt; is missing from the help folder &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;%3</source>
        <translation>&lt;h2&gt;本窗口没有帮助&lt;/h2&gt;&lt;p&gt;帮助文件夹 &lt;tt&gt;%2&lt;/tt&gt; 中没有帮助页面 &lt;tt&gt;%1.html&lt;/tt&gt;。&lt;/p&gt;%3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;All help topics&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;全部帮助主题&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ui::PasswordDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ui::RichTextPane</name>
    <message>
        <source>no file</source>
        <translation>没有文件</translation>
    </message>
</context>
</TS>

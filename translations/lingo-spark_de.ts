<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddWord</name>
    <message>
        <source>Add A Word To This List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List name</source>
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
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
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
        <source>%1

The password was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message>
        <source>Pupil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Das Programm in der Sprache &lt;code&gt; zeigen: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Sprache des Programms, die erste von:
  1. --language &lt;code&gt;
  2. eine Zeile Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, gesucht wie oben
  3. die Sprachen des Benutzers (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. Englisch
Sprachen: %1. Eine Sprache, die das Programm nicht hat, wird übersprungen.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language braucht einen Sprachcode, zum Beispiel &quot;de&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data folder (the word lists thelists.dat and the settings lsdata.dat), the first of:
  1. --data &lt;folder&gt;
  2. the environment variable LINGO_SPARK_DATA
  3. a line DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, looked for in
     %1 (the user&apos;s settings first, then the computer&apos;s)
  4. %2, created and given the shipped lists the first time
A folder named by 1 to 3 must already hold both files: it is never created or filled,
and the program ends with a message naming the folder and the missing file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, then </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new list</source>
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
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
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
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeDialogs</name>
    <message>
        <source>The list &quot;%1&quot; could not be read from the word list file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Zap!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GiveHint</name>
    <message>
        <source>Hint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hangman</name>
    <message>
        <source>Hangman!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the meanings</source>
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
        <source>%1

The languages were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListImport</name>
    <message>
        <source>a quote that is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListLanguages</name>
    <message>
        <source>The list was saved, but its languages could not be carried over.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which means:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
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
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak only when asked</source>
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
        <source>%1

The speech setting was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordPair</name>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zap</name>
    <message>
        <source>Word Zap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: 000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

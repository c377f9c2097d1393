<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>Über Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Version 1.6</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddWord</name>
    <message>
        <source>Add A Word To This List</source>
        <translation>Wort zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Sonderzeichen...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Wähle eine Wortliste, um ihre Wörter in den Fächern zu sehen.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Wörter pro Fach</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Fach %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Fach %1: %n Wort</numerusform>
            <numerusform>Fach %1: %n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>Fach %1: %n Wort</numerusform>
            <numerusform>Fach %1: %n Wörter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Listennamen ändern</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Listenname</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Passwort des Lehrkräftebereichs ändern</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Altes Passwort:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>Das Passwort wurde geändert!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The password was not changed.</source>
        <translation>%1

Das Passwort wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>Das neue Passwort enthält ein Zeichen, das nicht gespeichert werden kann. Bitte verwenden Sie andere Zeichen.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>Hey!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>Du musst eine Liste auswählen!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message>
        <source>Pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Falsch beantwortet von</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Klassenfortschritt</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Wählen Sie eine Liste, um zu sehen, wie die Klasse damit zurechtkommt.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Schüler, die sie geübt haben:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Schüler, die die Liste geübt haben</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Am häufigsten falsche Paare:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Am häufigsten falsche Paare</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>die Wortlisten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Übersprungen: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Noch kein Schüler hat „%1“ geübt.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>Der Fortschritt der Klasse mit „%1“ wurde in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Klassenfortschritt: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>Der Fortschritt von %n Schüler wurde gelesen.</numerusform>
            <numerusform>Der Fortschritt von %n Schülern wurde gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Schüler hat „%1“ geübt.</numerusform>
            <numerusform>%n Schüler haben „%1“ geübt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>kein Benutzerkonto dieses Namens auf diesem Computer</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>ist nicht zugänglich</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>gehört %1, nicht %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>der Fortschrittsordner %1 fehlt</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>dieses Benutzerkonto kann den Fortschrittsordner %1 nicht auflisten</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>keine Fortschrittsdatei, die diese Version lesen kann</translation>
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
        <translation>%1: %2
Versuchen Sie &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Die Wortlisten und Einstellungen in &lt;folder&gt; verwenden.</translation>
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
        <translation>Datenordner (die Wortlisten thelists.dat und die Einstellungen lsdata.dat), der erste von:
  1. --data &lt;folder&gt;
  2. die Umgebungsvariable LINGO_SPARK_DATA
  3. eine Zeile DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, gesucht in
     %1 (zuerst die Einstellungen des Benutzers, dann die des Computers)
  4. %2, beim ersten Mal angelegt und mit den mitgelieferten Listen gefüllt
Ein Ordner aus 1 bis 3 muss beide Dateien schon enthalten: Er wird nie angelegt oder gefüllt,
und das Programm endet mit einer Meldung, die den Ordner und die fehlende Datei nennt.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, dann </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Befehle (sie brauchen keine grafische Oberfläche; &quot;%1 &lt;command&gt; --help&quot; zeigt die Hilfe zu einem):
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>Aufruf: %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data braucht einen Ordner</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark: Vokabeln üben mit Karteikarten, Quiz und Spielen, für die Schule.
Ohne Befehl öffnet es das Hauptmenü.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Einer der Befehle unten.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1: keine grafische Oberfläche, auf der sich das Fenster öffnen lässt (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); starten Sie es aus einer Desktop-Sitzung.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Meine Wörter</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Zurück zur Spielauswahl</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>Über dieses Programm</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Paare finden</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Anleitung: Klicke auf eine Karte, um sie umzudrehen. Finde zu jedem Wort die richtige Bedeutung.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Versuche: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sphinx</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Für „Paare finden“ braucht die Liste mindestens 8 Wörter!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Versuche: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Versuch es noch mal...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>Passt!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation>Neue Wortliste erstellen</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Geben Sie den Namen der neuen Liste ein</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Name der neuen Liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(festgelegt durch %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>Lingo-Spark kann nicht starten: Der Datenordner
%1
%2existiert nicht.

Wenn er auf einem Netzlaufwerk liegt, prüfen Sie, ob das Laufwerk verbunden ist.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>Lingo-Spark kann nicht starten: Der Datenordner
%1
%2kann von diesem Benutzerkonto aus nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>Lingo-Spark kann nicht starten: Die Datei „%1“ fehlt im Datenordner oder kann dort nicht gelesen werden:
%2
%3
Wenn der Ordner auf einem Netzlaufwerk liegt, prüfen Sie, ob das Laufwerk verbunden ist; sonst kopieren Sie die Datei erneut dorthin.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>Lingo-Spark kann nicht starten: Der Datenordner lässt sich nicht anlegen:
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>Lingo-Spark kann nicht starten: „%1“ lässt sich nicht kopieren von
%2
in den Datenordner
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>Die Wortlisten und Einstellungen im Ordner %1 können von diesem Benutzerkonto aus nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Ein anderer Computer speichert gerade %1.

Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>%1 konnte nicht gespeichert werden: Der Ordner %2 kann keine Dateien sperren, daher könnten sich Speichervorgänge mehrerer Computer gegenseitig überschreiben.

Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>%1 konnte nicht gespeichert werden: Der Ordner %2 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>%1 konnte nicht gelesen werden.

Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Wort löschen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>Möchten Sie das Wort „%1“ wirklich aus dieser Liste löschen?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Diese Liste wurde bereits auf einem anderen Computer gelöscht.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Diese Liste wurde auf einem anderen Computer geändert. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Liste löschen</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Liste löschen:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Wählen Sie unten die Liste und klicken Sie auf „Löschen“.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>Möchten Sie diese Liste wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>Die Liste wurde gelöscht, aber ihre Sprachen konnten nicht entfernt werden.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

Die Liste wurde nicht gelöscht.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Wortliste ansehen/bearbeiten</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Wählen Sie eine Liste</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Liste bearbeiten</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Zurück zum Lehrkräftebereich</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Wörter in dieser Liste: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Bitte ändern Sie vor dem Speichern den Namen der Liste.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Bitte ändern Sie vor dem Speichern das ausgewählte Wort.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

Die Liste wurde nicht gespeichert, die Wortlistendatei ist unverändert. Ihre Änderungen sind noch da.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>Die Änderungen an der Liste „%1“ sind noch nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>Die Änderungen an der Liste „%1“ sind noch nicht gespeichert. Vor dem Verlassen speichern?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Diese Liste wurde auf einem anderen Computer geändert, seit Sie sie geöffnet haben.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>Ein Listenname muss in eine Zeile passen. Bitte entfernen Sie den Zeilenumbruch.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Ein Wort oder eine Bedeutung muss in eine Zeile passen. Bitte entfernen Sie den Zeilenumbruch.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>„&lt;New List&gt;“ markiert in der Wortlistendatei den Anfang einer Liste und kann daher nicht als Listenname, Wort oder Bedeutung verwendet werden.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Bitte geben Sie einen Namen für die Liste ein.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>„No Lists“ kennzeichnet eine leere Wortlistendatei und kann daher nicht der Name einer Liste sein.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>Ein Listenname darf keinen Tabulator und kein anderes Steuerzeichen enthalten. Bitte entfernen Sie das Zeichen.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Ein Wort oder eine Bedeutung darf keinen Tabulator und kein anderes Steuerzeichen enthalten. Bitte entfernen Sie das Zeichen.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Es gibt schon eine Liste namens „%1“. Bitte wählen Sie einen anderen Namen: Zwei gleichnamige Listen könnten nicht beide geübt werden.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Eine Liste kann höchstens %1 Wörter enthalten, und diese Liste ist voll.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>Die Wörter dieser Liste sind alle zu lang für dieses Spiel. Probier eine andere Liste oder etwas anderes aus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ExchangeDialogs</name>
    <message>
        <source>The list &quot;%1&quot; could not be read from the word list file.</source>
        <translation>Die Liste „%1“ konnte nicht aus der Wortlistendatei gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 ist keine lesbare Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 ist größer als %2 MB, weit mehr, als eine Wortliste braucht.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>%1 konnte nicht geschrieben werden: Vielleicht ist der Datenträger voll.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Wortlisten (*.csv *.tsv *.txt *.kvtml *.xml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Wählen Sie die Liste und klicken Sie auf „Exportieren...“. Eine .csv-Datei öffnet sich in Tabellenkalkulationen, eine .kvtml-Datei in Vokabelprogrammen.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv);;KVTML-Vokabeldatei (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>%n Wort aus „%1“ wurde in %2 geschrieben.</numerusform>
            <numerusform>%n Wörter aus „%1“ wurden in %2 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>Paar %1 („%2“ = „%3“) enthält das Steuerzeichen U+%4, das eine KVTML-Datei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>Der Listenname enthält ein Steuerzeichen, das eine KVTML-Datei nicht aufnehmen kann.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Karteikarten</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>Zum Quiz!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>Keine Listen vorhanden!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Lehrkräftebereich</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>Mein Fortschritt...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>Zum Wort</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Zur Bedeutung</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Lingo-Spark-Spielauswahl</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Lingo-Spark-Spiele</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Wähle eine Liste:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Wähle ein Spiel:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Für „Paare finden“ braucht die Liste mindestens 8 Wörter!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>Galgenraten</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Buchstabensalat</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Paare finden</translation>
    </message>
    <message>
        <source>Word Zap!</source>
        <translation>Word Zap!</translation>
    </message>
</context>
<context>
    <name>GiveHint</name>
    <message>
        <source>Hint:</source>
        <translation>Tipp:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Hangman</name>
    <message>
        <source>Hangman!</source>
        <translation>Galgenraten!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>Buchstabe:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>Los &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Benutzte Buchstaben:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>Willst du noch mal spielen?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Gelesen als KVTML-Vokabeldatei mit einer Sprache: Der Tipp jedes Wortes ist seine Bedeutung.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Gelesen als KVTML-Vokabeldatei.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Gelesen als Zeilen „Wort = Bedeutung“ in %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Gelesen als durch Tabulator getrennter Text in %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Gelesen als durch Semikolon getrennter Text in %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Gelesen als durch Komma getrennter Text in %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Listenname:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Listenname</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Erste Zeile ist Überschrift</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Erste Zeilen:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Erste Zeilen</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Nicht übernommene Zeilen:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Nicht übernommene Zeilen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Zu übernehmende Wörter: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>Aus dieser Datei können keine Wörter übernommen werden.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

Ihre Sprachen konnten nicht gespeichert werden.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>Die Liste „%1“ wurde mit %n Wort angelegt.</numerusform>
            <numerusform>Die Liste „%1“ wurde mit %n Wörtern angelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Sprachen: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 ist größer als %2 MB, weit mehr, als eine Wortliste braucht.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 ist keine Textdatei (vielleicht ein Bild oder ein Programm) und enthält daher keine Wortliste.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 ist eine XML-Datei, aber keine KVTML-Vokabeldatei.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 ist eine alte KVTML-1-Vokabeldatei; nur KVTML-2-Dateien können gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 ist keine lesbare XML-Datei (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 enthält nur eine Sprache und keine Tipps: Eine KVTML-Datei braucht für jedes Wort eine zweite Übersetzung oder einen Tipp als Bedeutung.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 enthält keine Paare aus Wort und Bedeutung: Jede Zeile sollte ein Wort und seine Bedeutung enthalten, getrennt durch Tabulator, Semikolon oder Komma, oder als Wort = Bedeutung geschrieben sein.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>ein Zeilenumbruch im Wort</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>das Steuerzeichen %1 im Wort</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>ein Zeilenumbruch in der Bedeutung</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>das Steuerzeichen %1 in der Bedeutung</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>das Wort ist leer</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>die Bedeutung ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>„%1“ gehört zum Aufbau der Wortlistendatei und kann kein Wort und keine Bedeutung sein</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>keine Bedeutung: Das Wort hat keinen Tipp</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>Die Datei hat %1 Spalten: Die ersten beiden werden als Wort und Bedeutung übernommen.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Eine Liste enthält höchstens %1 Wörter: Die ersten %1 werden übernommen, %2 weitere werden weggelassen.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Sprachen einer Liste</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Wählen Sie eine Liste, dann die Sprachen ihrer Wörter und Bedeutungen.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Sprache der Wörter:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Sprache der Wörter</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Sprache der Bedeutungen:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Sprache der Bedeutungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The languages were not saved.</source>
        <translation>%1

Die Sprachen wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>die Wortlisten in %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>es gibt keine Liste namens „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>„%1“ ist kein Sprachcode, den dieser Computer kennt (Beispiele: es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Die Sprachcodes der Wörter und Bedeutungen der Liste NAME ausgeben (durch Tabulator getrennt, &quot;-&quot; für einen nicht festgelegten) oder festlegen (&quot;-&quot; hebt einen auf).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark: Geben Sie beide Codes an, den der Wörter und den der Bedeutungen (&quot;-&quot; für einen nicht festgelegten)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Heute ist kein Wort dieser Liste dran.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Für ein Quiz braucht diese Liste mindestens zwei verschiedene Wörter. Bitte wähle eine andere Liste.</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
</context>
<context>
    <name>ListExport</name>
</context>
<context>
    <name>ListImport</name>
</context>
<context>
    <name>ListLanguages</name>
    <message>
        <source>The list was saved, but its languages could not be carried over.

%1</source>
        <translation>Die Liste wurde gespeichert, aber ihre Sprachen konnten nicht übernommen werden.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>die Wortlisten in %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2: nicht übernommen: %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 enthält kein Paar, das übernommen werden kann. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1: Die Liste wurde angelegt, aber ihre Sprachen konnten nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1: Der Dateiname muss auf .csv oder .kvtml enden</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>es gibt keine Liste namens „%1“</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Die neue Liste &lt;name&gt; nennen (sonst nach dem Titel oder Namen der Datei).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>Die erste Zeile benennt die Spalten.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>Die erste Zeile ist ein Wortpaar, egal was darin steht.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Die Namen der Wortlisten ausgeben, einen pro Zeile.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Die Paare aus FILE (CSV, Text mit Tabulatoren oder Semikolons, Zeilen „Wort = Bedeutung“, KVTML 2.0) als neue Liste anlegen.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark: --header und --no-header können nicht beide angegeben werden
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Die Liste NAME in FILE schreiben, als CSV (.csv) oder KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>%n Wort aus „%1“ in %2 geschrieben.</numerusform>
            <numerusform>%n Wörter aus „%1“ in %2 geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Die Liste „%1“ mit %n Wort aus %2 wurde angelegt.</numerusform>
            <numerusform>Die Liste „%1“ mit %n Wörtern aus %2 wurde angelegt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>Verloren!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Bedeutung zeigen</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Wort zeigen</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Karten in diesem Stapel: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(Kein Wort in dieser Liste beginnt mit %1!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Karteikarten</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Wortkarte</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Bedeutungskarte</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Pfeil: vorherige Karte</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Vorherige Karte</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Pfeil: nächste Karte</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Zurück zu den Karteikarten-Optionen</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>Das war die ganze Liste!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Neue Wortliste erstellen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>Die Bedeutung dieses Wortes:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Sonderzeichen...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Zurück zum Lehrkräftebereich</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Wörter in dieser Liste: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Wortnummer: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>Möchten Sie diese Liste wirklich speichern?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Ein anderer Computer hat eine Liste namens „%1“ gespeichert, während Sie diese eingegeben haben.

Ihre Liste stattdessen als „%2“ speichern?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

Die Liste wurde nicht gespeichert, die Wortlistendatei ist unverändert. Ihre Wörter sind noch da.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>Die Liste „%1“ ist noch nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Lingo-Spark – Lehrkräftebereich</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Lingo-SPARK – Lehrkräftebereich</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Neue Liste erstellen</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Wortliste löschen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Toneinstellungen</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Bereich verlassen</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Lehrkräftebereich verlassen</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Liste importieren...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Liste exportieren...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Liste drucken...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Sprachen einer Liste...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Klassenfortschritt...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Vorlesen für Schüler...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Wähle eine Wortliste:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Schwere Wörter üben</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Neu anfangen</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Heute dran: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Noch nie geübt: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>„%1“ neu anfangen? Dann zählt jedes Wort daraus als noch nie geübt.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>Das Wort war</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>Das bedeutet:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Lehrkräfte-Passwort</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Bitte geben Sie das Passwort für den Lehrkräftebereich ein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

Dort steht das Passwort des Lehrkräftebereichs, daher lässt sich der Lehrkräftebereich erst öffnen, wenn die Datei gelesen werden kann.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>Das voreingestellte Passwort für den Lehrkräftebereich ist OPENDOOR. Wenn Schüler diesen Computer benutzen, sollten Sie das Passwort ändern, um die Dateien zu schützen.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Passwort-Hinweis</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>Für den Lehrkräftebereich ist kein Passwort festgelegt: Die erste Zeile von
%1
ist leer. Schreiben Sie ein Passwort in diese Zeile, um den Lehrkräftebereich zu öffnen.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

Die Listen können hier weiterhin angesehen werden, aber jede Änderung würde abgelehnt.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Listen und Einstellungen schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Wählen Sie die Liste für das Arbeitsblatt:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>Für einen Test leer lassen</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>Die Bedeutungen</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>Die Wörter</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>Das Arbeitsblatt zu „%1“ wurde als %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 ist keine Fortschrittsdatei, die diese Version lesen kann; sie wurde als %2 beiseitegelegt, und der Fortschritt beginnt von vorn.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 konnte nicht gelesen werden; die Datei wurde als %2 beiseitegelegt, und der Fortschritt beginnt von vorn.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>%1 konnte weder gelesen noch beiseitegelegt werden; der Fortschritt wird diesmal nicht gespeichert.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>die Wortlisten in %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>es gibt keine Liste namens „%1“</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark: %1 übersprungen: %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Ausgeben, was die Fortschrittsdateien der Klasse im Ordner progress/ des Datenordners enthalten, je Liste (oder nur für LIST): die richtigen und falschen Antworten jedes Schülers und die zehn am häufigsten falschen Paare.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Lingo-Spark-Vokabelquiz</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>Die Frage</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Noch offene Fragen:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Falsch:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Zurück zu den Quiz-Optionen</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Anleitung:  Kreuze die Bedeutung an, die AM BESTEN zum Wort passt.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Anleitung:  Kreuze das Wort an, das AM BESTEN zur Bedeutung passt.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Lingo-Spark-Quiz</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Lingo-Spark-Vokabelquiz</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Wähle eine Liste:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>Wie viele Fragen?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>Welche Art von Fragen?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Wörter abfragen</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Bedeutungen abfragen</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Wörter und Bedeutungen abfragen</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>Fortschritt konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>Buchstabensalat!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Ordne die Buchstaben:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Dein Wort:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Lösung prüfen</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation>Schade...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>Möchtest du noch ein Wort probieren?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Richtig geraten in %1 Sekunden.</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>&amp;Automatisch vorlesen</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>keine Sprache für diese Liste</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>keine Stimme für %1 auf diesem Computer</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>Vorlesen geht auf diesem Computer nicht</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>kein Audiogerät</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>&amp;Vorlesen (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Toneinstellungen</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Standardeinstellung für den Ton</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Der Ton ist anfangs  AN.  (Am besten ohne Netzwerk)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Der Ton ist anfangs  AUS.  (Am besten im Netzwerk)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

Die Toneinstellung wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Toneffekte: aus</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Toneffekte: an</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Vorlesen für Schüler</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Wenn ein Wort erscheint</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Wörter automatisch vorlesen</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Nur auf Wunsch vorlesen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

Die Einstellung zum Vorlesen wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>Möchten Sie wirklich beenden, ohne diese Liste zu speichern?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>%1 konnte nicht geschrieben werden: Vielleicht ist der Datenträger voll.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>Die Datei
%1
konnte nicht gelesen werden. Prüfen Sie, ob sie existiert und lesbar ist.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

In diesem Fenster kann nichts geändert werden; schließen Sie es und öffnen Sie es erneut, sobald die Datei lesbar ist.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>Die Datei
%1
konnte beim Öffnen dieses Fensters nicht gelesen werden, daher wurde nichts gespeichert. Schließen Sie dieses Fenster und öffnen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Zap</name>
    <message>
        <source>Word Zap</source>
        <translation>Word Zap</translation>
    </message>
    <message>
        <source>Time: 000</source>
        <translation>Zeit: 000</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> Bereit? Schieß hier!</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Punkte:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Zeit:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Für Word Zap! brauchst du eine Liste mit mindestens zwei verschiedenen Wörtern!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Die Zeit ist um!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>Zeit um!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>Volltreffer!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>Daneben! Die richtige Antwort war  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>Falsches Wort abgeschossen! Die richtige Antwort war  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Super gemacht!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>Du hast 000 Punkte!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch mal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>Du hast %1 Punkte!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>Gar nicht schlecht...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>Klasse Arbeit!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>FANTASTISCH!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Word Zap! – Optionen</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>Unten erscheint eine Bedeutung. Schieß nur das Wort ab, das dazu passt. Jeder richtige Treffer bringt dir 50 Punkte. Jeder falsche Schuss kostet 50 Punkte.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Unmöglich</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Für Word Zap! brauchst du eine Liste mit mindestens zwei verschiedenen Wörtern!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Karteikarten</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Wähle eine Wortliste:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>Was steht auf den Karten?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Zeig mir die Wörter, ich rate die Bedeutung</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Zeig mir die Bedeutung, ich rate das Wort</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alphabetisch, ab dem Buchstaben...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Anfangsbuchstabe</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Klick hier zum Starten</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Nur meine schweren Wörter</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>Du musst einen Anfangsbuchstaben wählen!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>Alles richtig!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Da musst du wohl noch ein bisschen üben.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>Hoppla! Weiter üben!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Quiz-Ergebnis</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Du hast (leer) von (leer) richtig.</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Deine Punktzahl: (leer)%</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>Du hast %1 von %2 richtig!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Deine Punktzahl: %1%.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>Gewonnen!</translation>
    </message>
</context>
</TS>

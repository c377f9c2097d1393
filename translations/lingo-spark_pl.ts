<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>O programie Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Wersja 1.6</translation>
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
        <translation>Dodaj słówko do listy</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Słówko:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Znaczenie:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Dodaj słówko</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Znaki obce...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Wybierz listę słówek, aby zobaczyć jej słówka w pudełkach.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Słówka w pudełkach</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Pudełko %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Pudełko %1: %n słówko</numerusform>
            <numerusform>Pudełko %1: %n słówka</numerusform>
            <numerusform>Pudełko %1: %n słówek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>pudełko %1: %n słówko</numerusform>
            <numerusform>pudełko %1: %n słówka</numerusform>
            <numerusform>pudełko %1: %n słówek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Zmień nazwę listy</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nazwa listy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Zmień hasło panelu nauczyciela</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Stare hasło:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Nowe hasło:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Powtórz nowe hasło:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>Hasło zostało zmienione!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The password was not changed.</source>
        <translation>%1

Hasło nie zostało zmienione.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>Nowe hasło zawiera znak, którego nie można zapisać. Użyj innych znaków.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>Hej!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>Musisz wybrać listę!</translation>
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
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Źle</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Skuteczność</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Ilu się pomyliło</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Postępy klasy</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Wybierz listę, aby zobaczyć, jak radzi sobie z nią klasa.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Uczniowie, którzy ją ćwiczyli:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Uczniowie, którzy ćwiczyli listę</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Najczęstsze pomyłki klasy:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Najczęstsze pomyłki klasy</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>nie udało się odczytać list słówek</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Pominięto: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Nikt jeszcze nie ćwiczył listy „%1”.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV dla arkuszy kalkulacyjnych (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>Postępy klasy na liście „%1” zapisano w %2.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Postępy klasy: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>Odczytano postępy %n ucznia.</numerusform>
            <numerusform>Odczytano postępy %n uczniów.</numerusform>
            <numerusform>Odczytano postępy %n uczniów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>Listę „%1” ćwiczył %n uczeń.</numerusform>
            <numerusform>Listę „%1” ćwiczyło %n uczniów.</numerusform>
            <numerusform>Listę „%1” ćwiczyło %n uczniów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>na tym komputerze nie ma konta o tej nazwie</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>nie można go sprawdzić</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>to nie zwykły plik</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>należy do %1, a nie do %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>nie ma folderu postępów klasy %1</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>to konto nie może odczytać zawartości folderu postępów klasy %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>to nie jest plik postępów, który ta wersja umie odczytać</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Pokaż program w języku &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Język programu, pierwszy z:
  1. --language &lt;code&gt;
  2. wiersz Language=&lt;code&gt; w lingo-spark/lingo-spark.conf, szukany jak wyżej
  3. języki użytkownika (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. angielski
Języki: %1. Język, którego program nie ma, jest pomijany.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language wymaga kodu języka, na przykład &quot;pl&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Więcej informacji: &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Użyj list słówek i ustawień z folderu &lt;folder&gt;.</translation>
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
        <translation>Folder danych (listy słówek thelists.dat i ustawienia lsdata.dat), pierwszy z:
  1. --data &lt;folder&gt;
  2. zmienna środowiskowa LINGO_SPARK_DATA
  3. wiersz DataFolder=&lt;folder&gt; w lingo-spark/lingo-spark.conf, szukany w
     %1 (najpierw ustawienia użytkownika, potem komputera)
  4. %2, tworzony i wypełniany dostarczonymi listami przy pierwszym uruchomieniu
Folder wskazany w punktach 1–3 musi już zawierać oba pliki: nigdy nie jest tworzony ani wypełniany,
a program kończy działanie komunikatem z nazwą folderu i brakującego pliku.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, potem </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Polecenia (działają bez ekranu; opis jednego: &quot;%1 &lt;command&gt; --help&quot;):
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>użycie: %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data wymaga folderu</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark: fiszki, quizy i gry do nauki słówek w szkole.
Bez polecenia otwiera menu główne.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Jedno z poniższych poleceń.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>nieznane polecenie &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1: brak ekranu, na którym można otworzyć okno (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY); uruchom program z sesji graficznej.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Idź</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Mowa</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Moje słówka</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Do ekranu głównego</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Do opcji gier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Polecenie: Kliknij kartę, aby ją odwrócić. Połącz każde słówko z jego znaczeniem.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karta %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Próby: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinks</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Aby zagrać w Memory, potrzebujesz listy z co najmniej 8 słówkami!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Próby: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Spróbuj jeszcze raz...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>Para!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation>Nowa lista słówek</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Wpisz nazwę nowej listy</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Nazwa nowej listy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(ustawienie: %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>Lingo-Spark nie może się uruchomić: folder danych
%1
%2nie istnieje.

Jeśli jest na dysku sieciowym, sprawdź, czy dysk jest podłączony.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>Lingo-Spark nie może się uruchomić: folderu danych
%1
%2nie można odczytać z tego konta.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>Lingo-Spark nie może się uruchomić: pliku „%1” brakuje lub nie można go odczytać w folderze danych
%2
%3
Jeśli folder jest na dysku sieciowym, sprawdź, czy dysk jest podłączony; w przeciwnym razie skopiuj tam plik ponownie.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>Lingo-Spark nie może się uruchomić: nie można utworzyć folderu danych
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>Lingo-Spark nie może się uruchomić: nie można skopiować „%1” z
%2
do folderu danych
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>Listy słówek i ustawienia w folderze %1 nie mogą być zmieniane z tego konta.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Inny komputer właśnie zapisuje %1.

Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>Nie udało się zapisać %1: folder %2 nie pozwala blokować plików, więc zapisy z kilku komputerów mogłyby się wzajemnie nadpisać.

Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>Nie udało się zapisać %1: folder %2 jest niedostępny.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>Nie udało się odczytać %1.

Nic nie zostało zapisane.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Usuwanie słówka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>Czy na pewno chcesz usunąć słówko „%1” z tej listy?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Ta lista została już usunięta na innym komputerze.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Ta lista została zmieniona na innym komputerze. Usunąć ją mimo to?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Usuń listę</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Aby usunąć listę:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Wybierz nazwę listy poniżej i kliknij przycisk „Usuń”.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>Czy na pewno chcesz trwale usunąć tę listę?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>Lista została usunięta, ale nie udało się usunąć jej języków.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

Lista nie została usunięta.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Przeglądaj/edytuj listę słówek</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Wybierz listę do przejrzenia lub edycji</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Edycja listy</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Słówka</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Zmień nazwę listy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Do panelu nauczyciela</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Słówek na tej liście: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Zmień nazwę listy przed zapisaniem.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Popraw zaznaczone słówko przed zapisaniem.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

Lista nie została zapisana, a plik list słówek się nie zmienił. Twoje zmiany nadal tu są.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>Zmiany na liście „%1” nie zostały zapisane. Zapisać je przed zamknięciem?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Zapisać?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>Zmiany na liście „%1” nie zostały zapisane. Zapisać je przed wyjściem?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Od czasu otwarcia ta lista została zmieniona na innym komputerze.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>Nazwa listy musi się zmieścić w jednym wierszu. Usuń znak nowego wiersza.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Słówko lub znaczenie musi się zmieścić w jednym wierszu. Usuń znak nowego wiersza.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>„&lt;New List&gt;” oznacza początek listy w pliku list słówek, więc nie może być nazwą listy, słówkiem ani znaczeniem.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Wpisz nazwę listy.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>„No Lists” oznacza pusty plik list słówek, więc nie może być nazwą listy.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>Nazwa listy nie może zawierać tabulatora ani innego znaku sterującego. Usuń go.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Słówko lub znaczenie nie może zawierać tabulatora ani innego znaku sterującego. Usuń go.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Lista o nazwie „%1” już istnieje. Wybierz inną nazwę: nie dałoby się ćwiczyć obu list o tej samej nazwie.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Lista może zawierać najwyżej %1 słówek, a ta lista jest pełna.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Słówko:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Znaczenie:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Błąd:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>Wszystkie słówka na tej liście są za długie do tej gry. Wybierz inną listę albo inne ćwiczenie.</translation>
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
        <translation>Nie udało się odczytać listy „%1” z pliku list słówek.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 nie jest plikiem, który można odczytać.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>Plik %1 ma ponad %2 MB, o wiele więcej, niż potrzeba na listę słówek.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Nie udało się zapisać %1: dysk może być pełny.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Listy słówek (*.csv *.tsv *.txt *.kvtml *.xml);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Eksportuj listę</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Wybierz listę do eksportu i kliknij „Eksportuj...”. Plik .csv otworzysz w arkuszu kalkulacyjnym, a plik .kvtml w programach do nauki słówek.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV dla arkuszy kalkulacyjnych (*.csv);;Słownictwo KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

Nic nie zostało zapisane.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>Zapisano %n słówko z listy „%1” w %2.</numerusform>
            <numerusform>Zapisano %n słówka z listy „%1” w %2.</numerusform>
            <numerusform>Zapisano %n słówek z listy „%1” w %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>Para %1 („%2” = „%3”) zawiera znak sterujący U+%4, którego nie można zapisać w pliku KVTML.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>Nazwa listy zawiera znak sterujący, którego nie można zapisać w pliku KVTML.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Fiszki</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>Quiz!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>Brak list!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Panel nauczyciela</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>Moje postępy...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Znaki języków obcych</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>Dodaj do słówka</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Dodaj do znaczenia</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Opcje gier Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Gry Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Wybierz listę:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Wybierz grę:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Do ekranu głównego</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Aby zagrać w Memory, potrzebujesz listy z co najmniej 8 słówkami!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>Wisielec</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Rozsypanka</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Memory</translation>
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
        <translation>Podpowiedź:</translation>
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
        <translation>Wisielec!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>Twoja litera:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>OK &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Użyte litery:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Przegrana!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>Chcesz zagrać jeszcze raz?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Odczytany jako słownictwo KVTML w jednym języku: podpowiedź każdego słówka jest jego znaczeniem.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Odczytany jako słownictwo KVTML.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Odczytany jako wiersze „słówko = znaczenie”, kodowanie %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Odczytany jako tekst rozdzielany tabulatorami, kodowanie %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Odczytany jako tekst rozdzielany średnikami, kodowanie %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Odczytany jako tekst rozdzielany przecinkami, kodowanie %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importuj listę</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Wybierz plik...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Nazwa listy:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nazwa listy</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Pierwszy wiersz to nagłówek</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Początek pliku:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Początek pliku</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Wiersze, które zostaną pominięte:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Wiersze, które zostaną pominięte</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Nic nie zostało zaimportowane.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Słówka do zaimportowania: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>Z tego pliku nie można pobrać żadnych słówek.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

Nie udało się zapisać jej języków.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>Dodano listę „%1” z %n słówkiem.</numerusform>
            <numerusform>Dodano listę „%1” z %n słówkami.</numerusform>
            <numerusform>Dodano listę „%1” z %n słówkami.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Języki: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>Plik %1 ma ponad %2 MB, o wiele więcej, niż potrzeba na listę słówek.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 nie jest plikiem tekstowym (może to być obraz lub program), więc nie zawiera listy słówek.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>Plik %1 jest pusty.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 to plik XML, ale nie słownictwo KVTML.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 to stare słownictwo KVTML 1; można odczytać tylko pliki KVTML 2.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 nie jest poprawnym plikiem XML (wiersz %2: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 zawiera tylko jeden język i nie ma podpowiedzi: plik KVTML potrzebuje drugiego tłumaczenia lub podpowiedzi do każdego słówka, aby dać znaczenia.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 nie zawiera par słówko–znaczenie: każdy wiersz powinien zawierać słówko i jego znaczenie rozdzielone tabulatorem, średnikiem lub przecinkiem albo zapisane jako słówko = znaczenie.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>znak nowego wiersza w słówku</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>znak sterujący %1 w słówku</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>znak nowego wiersza w znaczeniu</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>znak sterujący %1 w znaczeniu</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>słówko jest puste</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>znaczenie jest puste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>„%1” oznacza strukturę pliku list słówek i nie może być słówkiem ani znaczeniem</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>niezamknięty cudzysłów</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>brak znaczenia: słówko nie ma podpowiedzi</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>Liczba kolumn w pliku: %1. Pierwsze dwie to słówko i znaczenie.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Lista może zawierać najwyżej %1 słówek: zostanie pobranych pierwszych %1, a pozostałe (%2) zostaną pominięte.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Języki listy</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Wybierz listę, a potem język jej słówek i język znaczeń.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Język słówek:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Język słówek</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Język znaczeń:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Język znaczeń</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The languages were not saved.</source>
        <translation>%1

Języki nie zostały zapisane.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>nie udało się odczytać list słówek w %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>nie ma listy o nazwie „%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>„%1” nie jest kodem języka znanym na tym komputerze (przykłady: es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Wypisz kody języków słówek i znaczeń listy NAME (rozdzielone tabulatorem, &quot;-&quot; oznacza nieustawiony) albo je ustaw (&quot;-&quot; usuwa ustawienie).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark: podaj oba kody: języka słówek i języka znaczeń (&quot;-&quot; oznacza nieustawiony)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Dziś nie ma w tej liście słówek do powtórki.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Do quizu potrzebna jest lista z co najmniej dwoma różnymi słówkami. Wybierz inną listę.</translation>
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
        <translation>Lista została zapisana, ale nie udało się przenieść jej języków.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>nie udało się odczytać list słówek w %1</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Nic nie zostało zaimportowane.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2: pominięto: %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 nie zawiera żadnej pary, którą można pobrać. Nic nie zostało zaimportowane.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1: lista została dodana, ale nie udało się zapisać jej języków: %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1: nazwa pliku musi się kończyć na .csv lub .kvtml</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>nie ma listy o nazwie „%1”</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Nazwij nową listę &lt;name&gt; (domyślnie tytułem lub nazwą pliku).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>Pierwszy wiersz zawiera nazwy kolumn.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>Pierwszy wiersz to para słówko–znaczenie, bez względu na treść.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Wypisz nazwy list słówek, jedną w wierszu.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Dodaj pary z pliku FILE (CSV, tekst rozdzielany tabulatorami lub średnikami, wiersze „słówko = znaczenie”, KVTML 2.0) jako nową listę.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark: nie można podać jednocześnie --header i --no-header
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Zapisz listę NAME do pliku FILE jako CSV (.csv) lub KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>Zapisano %n słówko z listy „%1” w %2.</numerusform>
            <numerusform>Zapisano %n słówka z listy „%1” w %2.</numerusform>
            <numerusform>Zapisano %n słówek z listy „%1” w %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Dodano listę &quot;%1&quot; (%n słówko) z %2.</numerusform>
            <numerusform>Dodano listę &quot;%1&quot; (%n słówka) z %2.</numerusform>
            <numerusform>Dodano listę &quot;%1&quot; (%n słówek) z %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>Przegrana!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Pokaż znaczenie</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Pokaż słówko</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Fiszek w tym zestawie: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(Na tej liście żadne słówko nie zaczyna się na %1!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Fiszki ze słówkami</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Strona słówka</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Strona znaczenia</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Strzałka wstecz</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Poprzednia</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Następna</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Strzałka dalej</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Do opcji fiszek</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>To już koniec listy!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Nowa lista słówek</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>Znaczenie tego słówka:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Dodaj to słówko</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Znaki obce...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Do panelu nauczyciela</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Słówek na tej liście: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Numer słówka: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>Czy na pewno chcesz zapisać tę listę?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Zapisać?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Podczas wpisywania tej listy inny komputer zapisał listę o nazwie „%1”.

Zapisać tę listę jako „%2”?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>Hej!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

Lista nie została zapisana, a plik list słówek się nie zmienił. Twoje słówka nadal tu są.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>Lista „%1” nie została jeszcze zapisana. Zapisać ją przed zamknięciem?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Panel nauczyciela Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Panel nauczyciela Lingo-SPARK</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Utwórz listę słówek</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Przeglądaj / edytuj listę</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Usuń listę słówek</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Opcje dźwięku</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Wyjdź z panelu</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Wyjdź z panelu</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Importuj listę...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Eksportuj listę...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Drukuj listę...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Języki listy...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Postępy klasy...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Mowa dla uczniów...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Nadpisz</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>Moje postępy</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Wybierz listę słówek:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Ćwicz trudne słówka</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Zacznij od nowa</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Do powtórki: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Niećwiczone: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>Zacząć listę „%1” od nowa? Każde jej słówko będzie liczone jako niećwiczone.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>To było słówko</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>które znaczy:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Hasło panelu</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Wpisz hasło, aby otworzyć panel nauczyciela</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

W tym pliku jest hasło panelu nauczyciela, więc panelu nie można otworzyć, dopóki nie da się odczytać pliku.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>Domyślne hasło panelu nauczyciela to OPENDOOR. Jeśli program będzie używany na komputerze dostępnym dla uczniów, zmień hasło, aby chronić pliki.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Uwaga: hasło</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>Nie ustawiono hasła panelu nauczyciela: pierwszy wiersz pliku
%1
jest pusty. Wpisz hasło w tym wierszu, aby otworzyć panel nauczyciela.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

Listy można tu nadal przeglądać, ale każda zmiana zostanie odrzucona.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Nie można zmieniać list ani ustawień</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Drukuj listę</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Wybierz listę do wydruku jako karta pracy:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>Zostaw puste (do testu)</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>Znaczenia</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>Słówka</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>Kartę pracy listy „%1” zapisano jako %2.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 nie jest plikiem postępów, który ta wersja umie odczytać; odłożono go jako %2 i postępy są liczone od nowa.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>Nie udało się odczytać %1; odłożono go jako %2 i postępy są liczone od nowa.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>Nie udało się odczytać ani odłożyć %1; tym razem postępy nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>nie udało się odczytać list słówek w %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>nie ma listy o nazwie „%1”</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark: pominięto %1: %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Wypisz, co zawierają pliki postępów klasy w folderze progress/ folderu danych, dla każdej listy (lub tylko dla LIST): dobre i złe odpowiedzi każdego ucznia oraz dziesięć par z największą liczbą pomyłek.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz ze słówek Lingo-Spark</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Polecenie:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>Pytanie</translation>
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
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Następne pytanie</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Pozostałe pytania:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Dobrze:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Źle:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Do opcji quizu</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Polecenie:  Zaznacz znaczenie, które NAJLEPIEJ pasuje do słówka.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Polecenie:  Zaznacz słówko, które NAJLEPIEJ pasuje do znaczenia.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Źle</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Quiz Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz ze słówek Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Wybierz listę:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>Ile pytań?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>Jakie pytania?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Pytaj o słówka</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Pytaj o znaczenia</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Pytaj o słówka i znaczenia</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Do ekranu głównego</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>nie udało się zapisać postępów w %1: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>Rozsypanka!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Ułóż to słówko:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Odpowiedź:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Poddaję się</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation>Niestety...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>Chcesz spróbować z kolejnym słówkiem?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>Tak!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Odgadnięte w %1 s!</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>Mów &amp;automatycznie</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>nie ustawiono języka tej listy</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>brak głosu dla %1 na tym komputerze</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>nie można uruchomić mowy na tym komputerze</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>brak urządzenia audio</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>&amp;Wymów</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>&amp;Wymów (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Opcje dźwięku</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Wybierz domyślne ustawienie dźwięku</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Dźwięk domyślnie  WŁĄCZONY.  (Najlepsze dla komputerów bez sieci)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Dźwięk domyślnie  WYŁĄCZONY.  (Najlepsze przy pracy w sieci)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

Ustawienie dźwięku nie zostało zapisane.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Dźwięki-- wyłączone</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Dźwięki-- włączone</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Mowa dla uczniów</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Gdy pojawia się słówko</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Mów słówka automatycznie</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Mów tylko na żądanie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

Ustawienie mowy nie zostało zapisane.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>Na pewno?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>Czy na pewno chcesz wyjść bez zapisania tej listy?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Nie udało się zapisać %1: dysk może być pełny.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>Pliku
%1
nie udało się odczytać. Sprawdź, czy istnieje i czy można go odczytać.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

Na tym ekranie nie można niczego zmienić; zamknij go i otwórz ponownie, gdy plik będzie można odczytać.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>Pliku
%1
nie udało się odczytać przy otwieraniu tego ekranu, więc nic nie zostało zapisane. Zamknij ten ekran i otwórz go ponownie.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Słówko</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Nie udało się zapisać %1.</translation>
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
        <translation>Czas: 000</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Cel %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> Zaczynamy? Strzel tutaj!</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Pudło</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Znaczenie:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Wynik:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Czas:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Do gry w Word Zap! potrzebujesz listy z co najmniej dwoma różnymi słówkami!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Koniec czasu!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>Czas minął!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>Świetny strzał!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>Pudło! Dobra odpowiedź to  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>To nie to słówko! Dobra odpowiedź to  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Świetna robota!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>Zdobywasz 000 punktów!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Jeszcze raz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>Zdobywasz %1 punktów!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Ups!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>Nie najgorzej...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>Dobra robota!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>Świetnie!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>FANTASTYCZNIE!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Opcje Word Zap!</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Zasady:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>Na dole ekranu pojawi się znaczenie. Strzelaj tylko w słówko, które do niego pasuje. Każdy celny strzał daje 50 punktów. Każdy zły strzał odbiera 50 punktów.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolna</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Niemożliwa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Z dźwiękiem</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Bez dźwięku</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Do gry w Word Zap! potrzebujesz listy z co najmniej dwoma różnymi słówkami!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Fiszki ze słówkami</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Wybierz listę słówek:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>Co na fiszkach?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>Kolejność</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Pokaż słówka, a zgadnę znaczenie</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Pokaż znaczenie, a zgadnę słówko</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabetycznie</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alfabetycznie, od litery...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Pierwsza litera</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Kliknij, aby zacząć</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Tylko trudne słówka</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>Musisz wybrać pierwszą literę!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>Idealny wynik!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Dobra robota!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Chyba przyda ci się jeszcze trochę ćwiczeń.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>Ups! Ucz się dalej!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Wyniki quizu</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Dobre odpowiedzi: (puste) z (puste).</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Twój wynik to (puste)%</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>Dobre odpowiedzi: %1 z %2!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Twój wynik to %1%.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>Wygrana!</translation>
    </message>
</context>
</TS>

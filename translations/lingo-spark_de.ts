<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</context>
</TS>

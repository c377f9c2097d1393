<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Afficher le programme dans la langue &lt;code&gt; : %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Langue du programme, la première de :
  1. --language &lt;code&gt;
  2. une ligne Language=&lt;code&gt; dans lingo-spark/lingo-spark.conf, cherchée comme ci-dessus
  3. les langues de l&apos;utilisateur (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. l&apos;anglais
Langues : %1. Une langue que le programme n&apos;a pas est sautée.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language attend un code de langue, par exemple &quot;fr&quot;</translation>
    </message>
</context>
</TS>

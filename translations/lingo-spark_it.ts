<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostra il programma nella lingua &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Lingua del programma, la prima di:
  1. --language &lt;code&gt;
  2. una riga Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, cercata come sopra
  3. le lingue dell&apos;utente (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglese
Lingue: %1. Una lingua che il programma non ha viene saltata.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language richiede un codice di lingua, per esempio &quot;it&quot;</translation>
    </message>
</context>
</TS>

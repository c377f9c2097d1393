<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
</context>
</TS>

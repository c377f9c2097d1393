<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostrar el programa en el idioma &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Idioma del programa, el primero de:
  1. --language &lt;code&gt;
  2. una línea Language=&lt;code&gt; en lingo-spark/lingo-spark.conf, buscado como arriba
  3. los idiomas del usuario (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglés
Idiomas: %1. Un idioma que el programa no tiene se salta.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language necesita un código de idioma, por ejemplo &quot;es&quot;</translation>
    </message>
</context>
</TS>

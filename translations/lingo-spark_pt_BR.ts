<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostrar o programa no idioma &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Idioma do programa, o primeiro de:
  1. --language &lt;code&gt;
  2. uma linha Language=&lt;code&gt; em lingo-spark/lingo-spark.conf, procurada como acima
  3. os idiomas do usuário (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglês
Idiomas: %1. Um idioma que o programa não tem é pulado.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language precisa de um código de idioma, por exemplo &quot;pt_BR&quot;</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BoxChart</name>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Box %1: %n word</numerusform>
            <numerusform>Box %1: %n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>box %1: %n word</numerusform>
            <numerusform>box %1: %n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>The progress of %n pupil was read.</numerusform>
            <numerusform>The progress of %n pupils was read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n pupil practised &quot;%1&quot;.</numerusform>
            <numerusform>%n pupils practised &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>The %n word of &quot;%1&quot; was written to %2.</numerusform>
            <numerusform>The %n words of &quot;%1&quot; were written to %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>The list &quot;%1&quot; was added with %n word.</numerusform>
            <numerusform>The list &quot;%1&quot; was added with %n words.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>Wrote the %n word of &quot;%1&quot; to %2.</numerusform>
            <numerusform>Wrote the %n words of &quot;%1&quot; to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Added the list &quot;%1&quot; with %n word from %2.</numerusform>
            <numerusform>Added the list &quot;%1&quot; with %n words from %2.</numerusform>
        </translation>
    </message>
</context>
</TS>

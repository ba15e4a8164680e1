<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>And %n more.</numerusform>
            <numerusform>And %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 does not fit it either.</numerusform>
            <numerusform>%1 do not fit it either.</numerusform>
        </translation>
    </message>
</context>
</TS>

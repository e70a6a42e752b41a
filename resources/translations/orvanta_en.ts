<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Power</name>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 and %n other still running</numerusform>
            <numerusform>%1 and %n others still running</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>There is %n schedule already.</numerusform>
            <numerusform>There are %n schedules already.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>No more than %n schedule can be kept.</numerusform>
            <numerusform>No more than %n schedules can be kept.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minute before</numerusform>
            <numerusform>%n minutes before</numerusform>
        </translation>
    </message>
</context>
</TS>

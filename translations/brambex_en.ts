<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Playability</name>
    <message numerus="yes">
        <source>%n standing places</source>
        <translation>
            <numerusform>%n standing place</numerusform>
            <numerusform>%n standing places</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sealed rooms</source>
        <translation>
            <numerusform>%n sealed room</numerusform>
            <numerusform>%n sealed rooms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits of debris</source>
        <translation>
            <numerusform>%n bit of debris</numerusform>
            <numerusform>%n bits of debris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>all %n pads reachable</source>
        <translation>
            <numerusform>the %n pad reachable</numerusform>
            <numerusform>all %n pads reachable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>room for %n teams</source>
        <translation>
            <numerusform>room for %n team</numerusform>
            <numerusform>room for %n teams</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>room for only %n teams</source>
        <translation>
            <numerusform>room for only %n team</numerusform>
            <numerusform>room for only %n teams</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n standing places</source>
        <translation>
            <numerusform>only %n standing place</numerusform>
            <numerusform>only %n standing places</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n standing places</source>
        <translation>
            <numerusform>at least %n standing place</numerusform>
            <numerusform>at least %n standing places</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message numerus="yes">
        <source>for %n teams</source>
        <translation>
            <numerusform>for %n team</numerusform>
            <numerusform>for %n teams</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidates: pick one</source>
        <translation>
            <numerusform>%n candidate: pick it</numerusform>
            <numerusform>%n candidates: pick one</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n pictures left out, over the size limit: %s)</source>
        <translation>
            <numerusform> (%n picture left out, over the size limit: %s)</numerusform>
            <numerusform> (%n pictures left out, over the size limit: %s)</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>brambex: stopped; no map was written.
</source>
        <translation>brambex: angehalten; es wurde keine Karte geschrieben.
</translation>
    </message>
    <message>
        <source>brambex: %s
</source>
        <translation>brambex: %s
</translation>
    </message>
    <message>
        <source>brambex: %s No map was written.
</source>
        <translation>brambex: %s Es wurde keine Karte geschrieben.
</translation>
    </message>
    <message>
        <source>brambex: stopped after the map was written; %s is whole.
</source>
        <translation>brambex: angehalten, nachdem die Karte geschrieben war; %s ist vollständig.
</translation>
    </message>
    <message>
        <source>brambex: %s maps cannot be mirrored (--mirror is for %s)
</source>
        <translation>brambex: %s-Karten können nicht gespiegelt werden (--mirror gibt es für %s)
</translation>
    </message>
    <message>
        <source>brambex: no installed map type is called &quot;%s&quot; (installed: %s)
</source>
        <translation>brambex: kein installierter Kartentyp heißt „%s“ (installiert: %s)
</translation>
    </message>
    <message>
        <source>Brambex %s - random maps for a turn-based artillery game

usage: brambex                      open the window
       brambex FILE.png             open the window with that map
       brambex -t TYPE [OPTIONS]    make one map of TYPE into %s
       brambex --code CODE [--out FILE]
                                    make the map of a map code (whatever the settings say)
       brambex --verify FILE        make a map file&apos;s map again from its code and compare
                                    every pixel (exit 0 the same, 1 different, 2 no code)
       brambex --info FILE          describe a saved map file (its code too)
       brambex -h, --help           show this text
       brambex -V, --version        show the version

TYPE (as installed): %s

OPTIONS (each also as --option=VALUE):
  --seed N        make the map of seed N (the same seed makes the same map)
  --theme N       use theme N instead of a random one
  --out FILE      write the map to FILE (&quot;.png&quot; is added when the name has none)
  --full-colour   save in full colour instead of 64 colours
  --count N       make N maps with consecutive seeds (from --seed, or a random one) into the
                  folder --out names, as brambex_TYPE_SEED.png, on every core
  --sheet FILE    with --count: one picture of all their previews, each seed under it
  --teams T       show the team figures for T teams (2 to 6): room for teams of 8 and the
                  balance (the emptiest of T equal strips&apos; standing room over the fullest&apos;s);
                  with --count: keep only maps that meet the type&apos;s playability thresholds,
                  have room for T teams and a balance of at least the type&apos;s threshold,
                  drawing further seeds (at most 8 N tries)
  --mirror        make the left half and mirror it onto the right (Cavern, Island, Roper,
                  Bow and Arrow, Shopper, Walk for Weapons): even for two teams
  --playable      with --count: keep only maps that meet the type&apos;s playability
                  thresholds, drawing further seeds (at most 4 N tries)

Every map&apos;s code (printed after it, kept in its file) makes that map again with --code, in
every version that makes the code&apos;s recipe epoch.

Exit status: 0 done (also when a signal came after the map was written: it is whole),
  1 the map could not be made or written, 2 the command line is wrong, 130 stopped by
  SIGINT (Ctrl+C) and 143 by SIGTERM before the map was written (nothing was; a batch
  keeps the maps it finished).

Kept for old scripts: a single-letter switch other than -t, -h and -V (&quot;-x NAME&quot;) and &quot;-t&quot;
alone make nothing and exit 0. Every start records the installed types and the program&apos;s
path (&quot;Types&quot; and &quot;Path&quot;) in $XDG_CONFIG_HOME/Halvane/Brambex.conf (~/.config/...).
</source>
        <translation>Brambex %s - Zufallskarten für ein rundenbasiertes Artilleriespiel

Aufruf: brambex                      das Fenster öffnen
        brambex DATEI.png            das Fenster mit dieser Karte öffnen
        brambex -t TYP [OPTIONEN]    eine Karte des TYPs nach %s erzeugen
        brambex --code CODE [--out DATEI]
                                     die Karte eines Kartencodes erzeugen (was auch die Einstellungen sagen)
        brambex --verify DATEI       die Karte einer Kartendatei aus ihrem Code neu erzeugen und jeden
                                     Pixel vergleichen (Ende 0 gleich, 1 verschieden, 2 kein Code)
        brambex --info DATEI         eine gespeicherte Kartendatei beschreiben (auch ihren Code)
        brambex -h, --help           diesen Text zeigen
        brambex -V, --version        die Version zeigen

TYP (wie installiert): %s

OPTIONEN (jede auch als --option=WERT):
  --seed N        die Karte des Seeds N erzeugen (derselbe Seed macht dieselbe Karte)
  --theme N       Thema N statt eines zufälligen verwenden
  --out DATEI     die Karte nach DATEI schreiben (&quot;.png&quot; wird angehängt, wenn der Name keins hat)
  --full-colour   mit allen Farben statt mit 64 speichern
  --count N       N Karten mit aufeinanderfolgenden Seeds (ab --seed oder einem zufälligen) in den
                  Ordner schreiben, den --out nennt, als brambex_TYP_SEED.png, auf allen Kernen
  --sheet DATEI   mit --count: ein Bild aller Vorschauen, unter jeder ihr Seed
  --teams T       die Team-Werte für T Teams zeigen (2 bis 6): Platz für Teams zu 8 und die
                  Ausgewogenheit (Standraum des leersten von T gleichen Streifen durch den des vollsten);
                  mit --count: nur Karten behalten, die die Spielbarkeitsgrenzen des Typs erfüllen,
                  Platz für T Teams und mindestens die Ausgewogenheitsgrenze des Typs haben,
                  dabei weitere Seeds ziehen (höchstens 8 N Versuche)
  --mirror        die linke Hälfte erzeugen und nach rechts spiegeln (Cavern, Island, Roper,
                  Bow and Arrow, Shopper, Walk for Weapons): ausgeglichen für zwei Teams
  --playable      mit --count: nur Karten behalten, die die Spielbarkeitsgrenzen des Typs
                  erfüllen, dabei weitere Seeds ziehen (höchstens 4 N Versuche)

Der Code jeder Karte (nach ihr ausgegeben, in ihrer Datei gespeichert) erzeugt diese Karte mit --code
erneut, in jeder Version, die die Rezept-Epoche des Codes erzeugt.

Ende-Status: 0 fertig (auch wenn ein Signal nach dem Schreiben der Karte kam: sie ist vollständig),
  1 die Karte konnte nicht erzeugt oder geschrieben werden, 2 die Befehlszeile ist falsch, 130 durch
  SIGINT (Strg+C) und 143 durch SIGTERM angehalten, bevor die Karte geschrieben war (es wurde nichts
  geschrieben; ein Stapel behält die fertigen Karten).

Für alte Skripte beibehalten: ein Ein-Buchstaben-Schalter außer -t, -h und -V (&quot;-x NAME&quot;) und &quot;-t&quot;
allein erzeugen nichts und enden mit 0. Jeder Start trägt die installierten Typen und den Pfad des
Programms (&quot;Types&quot; und &quot;Path&quot;) in $XDG_CONFIG_HOME/Halvane/Brambex.conf (~/.config/...) ein.
</translation>
    </message>
    <message>
        <source>brambex: cannot read %s
</source>
        <translation>brambex: %s kann nicht gelesen werden
</translation>
    </message>
    <message>
        <source>brambex: %s is not a picture the program can read
</source>
        <translation>brambex: %s ist kein Bild, das das Programm lesen kann
</translation>
    </message>
    <message>
        <source>brambex: Out of memory
</source>
        <translation>brambex: Kein Speicher mehr frei
</translation>
    </message>
    <message>
        <source>brambex: %s is not a folder the maps can be written to
</source>
        <translation>brambex: %s ist kein Ordner, in den die Karten geschrieben werden können
</translation>
    </message>
    <message>
        <source>[%d/%d] seed %u: %s
</source>
        <translation>[%d/%d] Seed %u: %s
</translation>
    </message>
    <message>
        <source>brambex: could not start the run of seed %u
</source>
        <translation>brambex: der Lauf für Seed %u konnte nicht gestartet werden
</translation>
    </message>
    <message>
        <source>Wrote %s: %d maps
</source>
        <translation>%s geschrieben: %d Karten
</translation>
    </message>
    <message>
        <source>Playable: %s maps with %s
</source>
        <translation>Spielbar: %s-Karten mit %s
</translation>
    </message>
    <message>
        <source>Teams: %s
</source>
        <translation>Teams: %s
</translation>
    </message>
    <message>
        <source>%d of %d %s maps written to %s (%d seeds tried, %d not %s)%s
</source>
        <translation>%d von %d %s-Karten nach %s geschrieben (%d Seeds versucht, %d nicht %s)%s
</translation>
    </message>
    <message>
        <source>%d of %d maps written to %s%s
</source>
        <translation>%d von %d Karten nach %s geschrieben%s
</translation>
    </message>
    <message>
        <source>brambex: only %d %s maps in %d tries
</source>
        <translation>brambex: nur %d %s-Karten in %d Versuchen
</translation>
    </message>
    <message>
        <source>--code and --verify go alone</source>
        <translation>--code und --verify stehen allein</translation>
    </message>
    <message>
        <source>--info needs a file name</source>
        <translation>--info braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>-t is given twice</source>
        <translation>-t ist zweimal angegeben</translation>
    </message>
    <message>
        <source>-t needs a map type</source>
        <translation>-t braucht einen Kartentyp</translation>
    </message>
    <message>
        <source>--seed needs a number from 0 to 4294967295</source>
        <translation>--seed braucht eine Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>--theme needs a theme number</source>
        <translation>--theme braucht eine Themennummer</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--teams needs a number of teams from 2 to %d</source>
        <translation>--teams braucht eine Anzahl Teams von 2 bis %d</translation>
    </message>
    <message>
        <source>--count needs a number of maps from 1 to 10000</source>
        <translation>--count braucht eine Anzahl Karten von 1 bis 10000</translation>
    </message>
    <message>
        <source>--sheet needs a file name</source>
        <translation>--sheet braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--info goes alone</source>
        <translation>--info steht allein</translation>
    </message>
    <message>
        <source>--verify goes alone</source>
        <translation>--verify steht allein</translation>
    </message>
    <message>
        <source>--code takes only --out beside it (the code says everything else)</source>
        <translation>--code nimmt nur --out neben sich (der Code sagt alles andere)</translation>
    </message>
    <message>
        <source>the options go with -t TYPE</source>
        <translation>die Optionen gehören zu -t TYP</translation>
    </message>
    <message>
        <source>--count needs --out FOLDER for the maps</source>
        <translation>--count braucht --out ORDNER für die Karten</translation>
    </message>
    <message>
        <source>--sheet goes with --count</source>
        <translation>--sheet gehört zu --count</translation>
    </message>
    <message>
        <source>--playable goes with --count</source>
        <translation>--playable gehört zu --count</translation>
    </message>
    <message>
        <source>brambex: the code is for a %s map, and %s is not installed (installed: %s)
</source>
        <translation>brambex: der Code ist für eine %s-Karte, und %s ist nicht installiert (installiert: %s)
</translation>
    </message>
    <message>
        <source>brambex: the code&apos;s theme %d is not installed (themes 0 to %d)
</source>
        <translation>brambex: das Thema %d des Codes ist nicht installiert (Themen 0 bis %d)
</translation>
    </message>
    <message>
        <source>brambex: the code draws its theme out of %d themes, and %d are installed
</source>
        <translation>brambex: der Code wählt sein Thema aus %d Themen, und %d sind installiert
</translation>
    </message>
    <message>
        <source>brambex: cannot read %s as a PNG file
</source>
        <translation>brambex: %s kann nicht als PNG-Datei gelesen werden
</translation>
    </message>
    <message>
        <source>brambex: %s has no map code: there is no recipe to make it again from
</source>
        <translation>brambex: %s hat keinen Kartencode: Es gibt kein Rezept, aus dem sie neu erzeugt werden kann
</translation>
    </message>
    <message>
        <source>brambex: stopped before the map was compared.
</source>
        <translation>brambex: angehalten, bevor die Karte verglichen war.
</translation>
    </message>
    <message>
        <source>brambex: the map of the code could not be made: %s
</source>
        <translation>brambex: die Karte des Codes konnte nicht erzeugt werden: %s
</translation>
    </message>
    <message>
        <source>brambex: theme %d is not installed (themes 0 to %d)
</source>
        <translation>brambex: Thema %d ist nicht installiert (Themen 0 bis %d)
</translation>
    </message>
    <message>
        <source>unknown option &quot;%s&quot;</source>
        <translation>unbekannte Option „%s“</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an option</source>
        <translation>„%s“ ist keine Option</translation>
    </message>
    <message>
        <source>Making the %s map (%d x %d): %llds, Ctrl+C stops </source>
        <translation>Erzeuge die %s-Karte (%d × %d): %lld s, Strg+C hält an </translation>
    </message>
    <message>
        <source>[%s%s] %d/%d maps</source>
        <translation>[%s%s] %d/%d Karten</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Destructable</source>
        <translation>Zerstörbar</translation>
    </message>
    <message>
        <source>Tough</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Indestructable</source>
        <translation>Unzerstörbar</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Karte bearbeiten</translation>
    </message>
    <message>
        <source>Click a colour to select it; drag to move the map, turn the wheel to zoom</source>
        <translation>Eine Farbe anklicken, um sie zu wählen; ziehen zum Verschieben, Mausrad zum Zoomen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Weicher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Härter</translation>
    </message>
    <message>
        <source>Make the selected colour softer: indestructable to tough to destructable</source>
        <translation>Die gewählte Farbe weicher machen: unzerstörbar zu hart zu zerstörbar</translation>
    </message>
    <message>
        <source>Make the selected colour harder: destructable to tough to indestructable</source>
        <translation>Die gewählte Farbe härter machen: zerstörbar zu hart zu unzerstörbar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change (Ctrl+Z)</source>
        <translation>Die letzte Änderung zurücknehmen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Make the change taken back again (Ctrl+Shift+Z)</source>
        <translation>Die zurückgenommene Änderung wiederholen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Enable IndiMask</source>
        <translation>IndiMask einschalten</translation>
    </message>
    <message>
        <source>Mark the map as one with indestructible parts (the marker pixel&apos;s colour)</source>
        <translation>Die Karte als eine mit unzerstörbaren Teilen kennzeichnen (die Farbe des Markierungspixels)</translation>
    </message>
    <message>
        <source>Throw away the changes made in the editor? The map goes back to how it was when the editor opened.</source>
        <translation>Die Änderungen im Editor verwerfen? Die Karte wird wieder, wie sie beim Öffnen des Editors war.</translation>
    </message>
    <message>
        <source>It cannot be edited in the map editor.</source>
        <translation>Sie kann im Karteneditor nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>The map could not be reduced to 64 colours.</source>
        <translation>Die Karte konnte nicht auf 64 Farben reduziert werden.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>%s was not written.</source>
        <translation>%s wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>Unable to open %s for writing, is file set as read only?</source>
        <translation>%s kann nicht zum Schreiben geöffnet werden. Ist die Datei schreibgeschützt?</translation>
    </message>
    <message>
        <source>%s: %s was not written.</source>
        <translation>%s: %s wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Missing files</source>
        <translation>Fehlende Dateien</translation>
    </message>
    <message>
        <source>There are no themes installed!
Some map types require the theme pack, this can be found at the &quot;Theme folders&quot; section of README.md (the build writes the themes into data/generic/themes/)</source>
        <translation>Es sind keine Themen installiert!
Einige Kartentypen brauchen das Themenpaket; siehe den Abschnitt „Theme folders“ in README.md (der Build schreibt die Themen nach data/generic/themes/)</translation>
    </message>
    <message>
        <source>The map (%d x %d) is too large to be reduced to 64 colours. Use &quot;%.*s&quot; to save it in full colour.</source>
        <translation>Die Karte (%d × %d) ist zu groß, um auf 64 Farben reduziert zu werden. Mit „%.*s“ wird sie mit allen Farben gespeichert.</translation>
    </message>
    <message>
        <source>There is no map to save.</source>
        <translation>Es gibt keine Karte zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>Das Bild konnte nicht als PNG kodiert werden.</translation>
    </message>
    <message>
        <source>%s is not a PNG file a chunk can be added to.</source>
        <translation>%s ist keine PNG-Datei, der ein Block hinzugefügt werden kann.</translation>
    </message>
    <message>
        <source>The theme folder %s has no soil.png that can be read; the installed theme of its number is used.</source>
        <translation>Der Themenordner %s hat kein lesbares soil.png; das installierte Thema seiner Nummer wird verwendet.</translation>
    </message>
    <message>
        <source>The folder %s cannot be made: %s</source>
        <translation>Der Ordner %s kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>The folder %s is not a folder of your own (a link, or another user&apos;s); nothing is written there.</source>
        <translation>Der Ordner %s gehört nicht dir (ein Link oder der eines anderen Benutzers); dort wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>The folder %s cannot be made private: %s</source>
        <translation>Der Ordner %s kann nicht privat gemacht werden: %s</translation>
    </message>
    <message>
        <source>Neither HOME nor XDG_CONFIG_HOME and XDG_CACHE_HOME are set, so there is no folder of yours for the map, its previews and the settings.</source>
        <translation>Weder HOME noch XDG_CONFIG_HOME und XDG_CACHE_HOME sind gesetzt, daher gibt es keinen eigenen Ordner für die Karte, ihre Vorschauen und die Einstellungen.</translation>
    </message>
    <message>
        <source>No fort piece could be read in %s (missing, damaged or over the %d x %d pixel limit for fort pieces and bricks).</source>
        <translation>In %s konnte kein Burgteil gelesen werden (fehlend, beschädigt oder über der Grenze von %d × %d Pixeln für Burgteile und Steine).</translation>
    </message>
    <message>
        <source>The fort&apos;s brick %s could not be read (missing, damaged or over the %d x %d pixel limit for fort pieces and bricks).</source>
        <translation>Der Burgstein %s konnte nicht gelesen werden (fehlend, beschädigt oder über der Grenze von %d × %d Pixeln für Burgteile und Steine).</translation>
    </message>
    <message>
        <source>The course brush %s is missing, damaged or larger than %d pixels.</source>
        <translation>Der Streckenpinsel %s fehlt, ist beschädigt oder größer als %d Pixel.</translation>
    </message>
    <message>
        <source>No maze tile could be read in %s (the files are missing, damaged or over the %d x %d pixel limit for tiles).</source>
        <translation>In %s konnte keine Labyrinthkachel gelesen werden (die Dateien fehlen, sind beschädigt oder über der Grenze von %d × %d Pixeln für Kacheln).</translation>
    </message>
    <message>
        <source>No building tile could be read in %s (the files are missing, damaged or larger than %d pixels).</source>
        <translation>In %s konnte keine Gebäudekachel gelesen werden (die Dateien fehlen, sind beschädigt oder größer als %d Pixel).</translation>
    </message>
    <message>
        <source>No building tile in %s fits a %d x %d map.</source>
        <translation>Keine Gebäudekachel in %s passt in eine Karte von %d × %d.</translation>
    </message>
    <message>
        <source>%s is %d x %d, over the %d x %d limit for this artwork: left out.</source>
        <translation>%s ist %d × %d, über der Grenze von %d × %d für dieses Bild: weggelassen.</translation>
    </message>
</context>
<context>
    <name>Playability</name>
    <message numerus="yes">
        <source>%n standing places</source>
        <translation>
            <numerusform>%n Standplatz</numerusform>
            <numerusform>%n Standplätze</numerusform>
        </translation>
    </message>
    <message>
        <source>all reachable</source>
        <translation>alle erreichbar</translation>
    </message>
    <message>
        <source>%d%% reachable</source>
        <translation>%d %% erreichbar</translation>
    </message>
    <message numerus="yes">
        <source>%n sealed rooms</source>
        <translation>
            <numerusform>%n geschlossener Raum</numerusform>
            <numerusform>%n geschlossene Räume</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits of debris</source>
        <translation>
            <numerusform>%n Trümmerstück</numerusform>
            <numerusform>%n Trümmerstücke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>all %n pads reachable</source>
        <translation>
            <numerusform>der %n Waffenplatz erreichbar</numerusform>
            <numerusform>alle %n Waffenplätze erreichbar</numerusform>
        </translation>
    </message>
    <message>
        <source>%d of %d pads reachable</source>
        <translation>%d von %d Waffenplätzen erreichbar</translation>
    </message>
    <message>
        <source>course at least %d px</source>
        <translation>Strecke mindestens %d px</translation>
    </message>
    <message>
        <source>course blocked</source>
        <translation>Strecke versperrt</translation>
    </message>
    <message numerus="yes">
        <source>room for %n teams</source>
        <translation>
            <numerusform>Platz für %n Team</numerusform>
            <numerusform>Platz für %n Teams</numerusform>
        </translation>
    </message>
    <message>
        <source>balance %.2f for %d teams</source>
        <translation>Ausgewogenheit %.2f für %d Teams</translation>
    </message>
    <message numerus="yes">
        <source>room for only %n teams</source>
        <translation>
            <numerusform>nur Platz für %n Team</numerusform>
            <numerusform>nur Platz für %n Teams</numerusform>
        </translation>
    </message>
    <message>
        <source>room for %d teams of %d and a balance of at least %.2f for %d teams (the standing room of the emptiest of %d equal strips over the fullest&apos;s)</source>
        <translation>Platz für %d Teams zu %d und eine Ausgewogenheit von mindestens %.2f für %d Teams (der Standraum des leersten von %d gleichen Streifen geteilt durch den des vollsten)</translation>
    </message>
    <message numerus="yes">
        <source>only %n standing places</source>
        <translation>
            <numerusform>nur %n Standplatz</numerusform>
            <numerusform>nur %n Standplätze</numerusform>
        </translation>
    </message>
    <message>
        <source>only %d%% of the standing places reach each other</source>
        <translation>nur %d %% der Standplätze erreichen einander</translation>
    </message>
    <message>
        <source>only %d of %d pads reachable</source>
        <translation>nur %d von %d Waffenplätzen erreichbar</translation>
    </message>
    <message>
        <source>the course is blocked</source>
        <translation>die Strecke ist versperrt</translation>
    </message>
    <message>
        <source>the course narrows to %d px</source>
        <translation>die Strecke verengt sich auf %d px</translation>
    </message>
    <message numerus="yes">
        <source>at least %n standing places</source>
        <translation>
            <numerusform>mindestens %n Standplatz</numerusform>
            <numerusform>mindestens %n Standplätze</numerusform>
        </translation>
    </message>
    <message>
        <source>, %d%% of them reaching each other</source>
        <translation>, von denen %d %% einander erreichen</translation>
    </message>
    <message>
        <source>, %d%% of the weapon pads reachable</source>
        <translation>, %d %% der Waffenplätze erreichbar</translation>
    </message>
    <message>
        <source>, a course at least %d px wide all the way</source>
        <translation>, eine Strecke, die überall mindestens %d px breit ist</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>algorithm</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>complexity</source>
        <translation>Komplexität</translation>
    </message>
    <message>
        <source>caves</source>
        <translation>Höhlen</translation>
    </message>
    <message>
        <source>brick</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>islands</source>
        <translation>Inseln</translation>
    </message>
    <message>
        <source>path size</source>
        <translation>Wegbreite</translation>
    </message>
    <message>
        <source>no top soil</source>
        <translation>ohne Deckschicht</translation>
    </message>
    <message>
        <source>layout</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>padding</source>
        <translation>Auffüllung</translation>
    </message>
    <message>
        <source>pads</source>
        <translation>Waffenplätze</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a map code (a map code starts with %s-).</source>
        <translation>„%s“ ist kein Kartencode (ein Kartencode beginnt mit %s-).</translation>
    </message>
    <message>
        <source>This map code is of format %s, which this version cannot read (it reads %s).</source>
        <translation>Dieser Kartencode hat das Format %s, das diese Version nicht lesen kann (sie liest %s).</translation>
    </message>
    <message>
        <source>The map code has a character no map code has (&quot;%c&quot;): check it for a typing error.</source>
        <translation>Der Kartencode enthält ein Zeichen, das kein Kartencode hat („%c“): Prüfe ihn auf einen Tippfehler.</translation>
    </message>
    <message>
        <source>The map code has a typing error: its last four characters do not match the rest.</source>
        <translation>Der Kartencode hat einen Tippfehler: Seine letzten vier Zeichen passen nicht zum Rest.</translation>
    </message>
    <message>
        <source>The map code is for a map type this version does not know (&quot;%s&quot;).</source>
        <translation>Der Kartencode ist für einen Kartentyp, den diese Version nicht kennt („%s“).</translation>
    </message>
    <message>
        <source>The map code has no recipe epoch after its type.</source>
        <translation>Der Kartencode hat nach seinem Typ keine Rezept-Epoche.</translation>
    </message>
    <message>
        <source>The map code&apos;s seed is not a number from 0 to 4294967295.</source>
        <translation>Der Seed des Kartencodes ist keine Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>The map code&apos;s theme is not &quot;t&quot; or &quot;r&quot; with a number.</source>
        <translation>Das Thema des Kartencodes ist nicht „t“ oder „r“ mit einer Zahl.</translation>
    </message>
    <message>
        <source>The map code has no size (width x height) where it should.</source>
        <translation>Der Kartencode hat keine Größe (Breite x Höhe), wo sie stehen sollte.</translation>
    </message>
    <message>
        <source>The map code&apos;s size %llu x %llu is outside what %s maps take (%d to %d wide, %d to %d high).</source>
        <translation>Die Größe %llu × %llu des Kartencodes liegt außerhalb dessen, was %s-Karten annehmen (%d bis %d breit, %d bis %d hoch).</translation>
    </message>
    <message>
        <source>The map code has no %s (&quot;%c&quot; and a number) where it should.</source>
        <translation>Der Kartencode hat kein Feld %s („%c“ und eine Zahl), wo es stehen sollte.</translation>
    </message>
    <message>
        <source>The map code&apos;s %s (%llu) is outside %d to %d.</source>
        <translation>Der Wert %s (%llu) des Kartencodes liegt außerhalb von %d bis %d.</translation>
    </message>
    <message>
        <source>The map code has no water colour (&quot;w&quot; and 0 to 4) where it should.</source>
        <translation>Der Kartencode hat keine Wasserfarbe („w“ und 0 bis 4), wo sie stehen sollte.</translation>
    </message>
    <message>
        <source>%s maps cannot be mirrored, and the map code says this one is.</source>
        <translation>%s-Karten können nicht gespiegelt werden, und der Kartencode sagt, diese sei es.</translation>
    </message>
    <message>
        <source>The map code has more parts than a %s map has.</source>
        <translation>Der Kartencode hat mehr Teile, als eine %s-Karte hat.</translation>
    </message>
    <message>
        <source>The map code is not written as this version writes codes.</source>
        <translation>Der Kartencode ist nicht so geschrieben, wie diese Version Codes schreibt.</translation>
    </message>
    <message>
        <source>This map code is for %s maps of recipe epoch %d; this version makes epoch %d, which would be a different map.</source>
        <translation>Dieser Kartencode ist für %s-Karten der Rezept-Epoche %d; diese Version erzeugt Epoche %d, was eine andere Karte wäre.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Playable Candidates</source>
        <translation>Spielbare Kandidaten</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Kandidaten</translation>
    </message>
    <message>
        <source>Kept: %s maps with %s, and %s.</source>
        <translation>Behalten: %s-Karten mit %s, und %s.</translation>
    </message>
    <message>
        <source>seed %u</source>
        <translation>Seed %u</translation>
    </message>
    <message>
        <source>(misses)</source>
        <translation>(verfehlt)</translation>
    </message>
    <message>
        <source>Making map %d of %d...</source>
        <translation>Erzeuge Karte %d von %d …</translation>
    </message>
    <message>
        <source>Click the map you want.</source>
        <translation>Klicke auf die gewünschte Karte.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Remove BG</source>
        <translation>Hintergrund aus</translation>
    </message>
    <message>
        <source>Use Vexkit Module</source>
        <translation>Vexkit-Modul verwenden</translation>
    </message>
    <message>
        <source>About Brambex</source>
        <translation>Über Brambex</translation>
    </message>
    <message>
        <source>Random maps for a turn-based artillery game.</source>
        <translation>Zufallskarten für ein rundenbasiertes Artilleriespiel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Brambex</source>
        <translation>Brambex</translation>
    </message>
    <message>
        <source>The map on screen has no code (it was loaded from a file without one).</source>
        <translation>Die angezeigte Karte hat keinen Code (sie wurde aus einer Datei ohne Code geladen).</translation>
    </message>
    <message>
        <source>Copied the map code %s</source>
        <translation>Kartencode %s kopiert</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d s</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PNG Files (*.png);;All Files (*.*)</source>
        <translation>PNG-Dateien (*.png);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Load Map</source>
        <translation>Karte laden</translation>
    </message>
    <message>
        <source>The map %s has changes that are not saved.</source>
        <translation>Die Karte %s hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them before the map is replaced?</source>
        <translation>Vor dem Ersetzen der Karte speichern?</translation>
    </message>
    <message>
        <source>Reducing the map to its 64 colours for the editor...</source>
        <translation>Die Karte wird für den Editor auf 64 Farben reduziert …</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Karte bearbeiten</translation>
    </message>
    <message>
        <source>Map from Code</source>
        <translation>Karte aus Code</translation>
    </message>
    <message>
        <source>Map code (as Copy Map Code gives it):</source>
        <translation>Kartencode (wie ihn „Kartencode kopieren“ liefert):</translation>
    </message>
    <message>
        <source>The kind of map to make</source>
        <translation>Die Art der Karte</translation>
    </message>
    <message>
        <source>Keep these settings for this map type: they come back the next time it is chosen</source>
        <translation>Diese Einstellungen für diesen Kartentyp behalten: Sie kommen wieder, wenn er das nächste Mal gewählt wird</translation>
    </message>
    <message>
        <source>Let each map pick its own theme and the choices below</source>
        <translation>Jede Karte wählt ihr Thema und die Auswahl unten selbst</translation>
    </message>
    <message>
        <source>Choose the theme and the choices below yourself</source>
        <translation>Thema und Auswahl unten selbst wählen</translation>
    </message>
    <message>
        <source>The look of the land: soil, grass, roots and decorations</source>
        <translation>Das Aussehen des Landes: Erde, Gras, Wurzeln und Dekoration</translation>
    </message>
    <message>
        <source>How Bow and Arrow spreads its pictures: denser towards the bottom, or anywhere</source>
        <translation>Wie Bow and Arrow seine Bilder verteilt: nach unten dichter oder überall</translation>
    </message>
    <message>
        <source>The pictures a Bow and Arrow map is made of</source>
        <translation>Die Bilder, aus denen eine Bow-and-Arrow-Karte besteht</translation>
    </message>
    <message>
        <source>A Shopper map as a street of shops (City) or as a maze of arcades (Maze)</source>
        <translation>Eine Shopper-Karte als Ladenstraße (Stadt) oder als Labyrinth aus Passagen (Labyrinth)</translation>
    </message>
    <message>
        <source>What the forts are built of</source>
        <translation>Woraus die Burgen gebaut sind</translation>
    </message>
    <message>
        <source>How round the race course&apos;s corners are</source>
        <translation>Wie rund die Kurven der Rennstrecke sind</translation>
    </message>
    <message>
        <source>Keep this map&apos;s seed: Generate makes the same map again with the settings changed</source>
        <translation>Seed dieser Karte behalten: Erzeugen macht dieselbe Karte mit geänderten Einstellungen neu</translation>
    </message>
    <message>
        <source>With Modify: give the fort a new hill</source>
        <translation>Mit Ändern: der Burg einen neuen Hügel geben</translation>
    </message>
    <message>
        <source>Soil only: no grass on top and no roots below</source>
        <translation>Nur Erde: kein Gras oben und keine Wurzeln unten</translation>
    </message>
    <message>
        <source>Make the left half and mirror it onto the right: a map even for two teams</source>
        <translation>Die linke Hälfte erzeugen und nach rechts spiegeln: eine ausgeglichene Karte für zwei Teams</translation>
    </message>
    <message>
        <source>How many teams the room and balance figures are for (Playable Candidates keeps maps fair for them)</source>
        <translation>Für wie viele Teams Platz und Ausgewogenheit angegeben werden (Spielbare Kandidaten behält nur für sie faire Karten)</translation>
    </message>
    <message>
        <source>Show the map&apos;s empty space white in the saved previews</source>
        <translation>Leere Fläche der Karte in den gespeicherten Vorschauen weiß zeigen</translation>
    </message>
    <message>
        <source>Save the map with all its colours instead of 64</source>
        <translation>Die Karte mit allen Farben statt mit 64 speichern</translation>
    </message>
    <message>
        <source>The colour of the water under the map in the game</source>
        <translation>Die Farbe des Wassers unter der Karte im Spiel</translation>
    </message>
    <message>
        <source>Open a saved map (Ctrl+O)</source>
        <translation>Eine gespeicherte Karte öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Save the map as a new file</source>
        <translation>Die Karte als neue Datei speichern</translation>
    </message>
    <message>
        <source>Edit which colours of the map are destructible, tough or indestructible (IndiMask)</source>
        <translation>Festlegen, welche Farben der Karte zerstörbar, hart oder unzerstörbar sind (IndiMask)</translation>
    </message>
    <message>
        <source>How wide the map is, in pixels</source>
        <translation>Wie breit die Karte ist, in Pixeln</translation>
    </message>
    <message>
        <source>How high the map is, in pixels</source>
        <translation>Wie hoch die Karte ist, in Pixeln</translation>
    </message>
    <message>
        <source>How wide the passages are</source>
        <translation>Wie breit die Gänge sind</translation>
    </message>
    <message>
        <source>How many islands or caves the map has</source>
        <translation>Wie viele Inseln oder Höhlen die Karte hat</translation>
    </message>
    <message>
        <source>How winding the land is: more points on its outline, or more turns in the course</source>
        <translation>Wie verwinkelt das Land ist: mehr Punkte im Umriss oder mehr Kurven in der Strecke</translation>
    </message>
    <message>
        <source>How many decorations stand on the land</source>
        <translation>Wie viele Dekorationen auf dem Land stehen</translation>
    </message>
    <message>
        <source>How many pictures the map holds</source>
        <translation>Wie viele Bilder die Karte enthält</translation>
    </message>
    <message>
        <source>How many weapon crates the building has</source>
        <translation>Wie viele Waffenkisten das Gebäude hat</translation>
    </message>
    <message>
        <source>How many rows of tiles at the bottom are filled with land</source>
        <translation>Wie viele Kachelreihen unten mit Land gefüllt sind</translation>
    </message>
    <message>
        <source>Put every setting back as it was when the program started</source>
        <translation>Alle Einstellungen auf den Stand beim Programmstart zurücksetzen</translation>
    </message>
    <message>
        <source>Make a new map with these settings (Ctrl+G or F5)</source>
        <translation>Eine neue Karte mit diesen Einstellungen erzeugen (Strg+G oder F5)</translation>
    </message>
    <message>
        <source>The map: drag to move it, turn the wheel to zoom</source>
        <translation>Die Karte: ziehen zum Verschieben, Mausrad zum Zoomen</translation>
    </message>
    <message>
        <source>The chosen theme&apos;s soil</source>
        <translation>Die Erde des gewählten Themas</translation>
    </message>
    <message>
        <source>The chosen style&apos;s pictures</source>
        <translation>Die Bilder des gewählten Stils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Open &amp;Code...</source>
        <translation>&amp;Code öffnen …</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Zuletzt verwendet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;IndiMask</source>
        <translation>&amp;IndiMask</translation>
    </message>
    <message>
        <source>Copy Map &amp;Code</source>
        <translation>Karten&amp;code kopieren</translation>
    </message>
    <message>
        <source>&amp;Candidates...</source>
        <translation>&amp;Kandidaten …</translation>
    </message>
    <message>
        <source>&amp;Playable Candidates...</source>
        <translation>S&amp;pielbare Kandidaten …</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Fo&amp;rward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Verl&amp;auf</translation>
    </message>
    <message>
        <source>%s, seed %u</source>
        <translation>%s, Seed %u</translation>
    </message>
    <message>
        <source>No maps yet</source>
        <translation>Noch keine Karten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Drag to move the map, turn the wheel to zoom</source>
        <translation>Ziehen zum Verschieben der Karte, Mausrad zum Zoomen</translation>
    </message>
    <message>
        <source>Standing places: spots a character stands on, 40 px apart. Reachable: how many of them reach each other through air. Course: the narrowest width of a race or maze.</source>
        <translation>Standplätze: Stellen, auf denen eine Figur steht, 40 px auseinander. Erreichbar: wie viele davon einander durch die Luft erreichen. Strecke: die engste Breite eines Rennens oder Labyrinths.</translation>
    </message>
    <message>
        <source>The map before this one in this session (Alt+Left)</source>
        <translation>Die Karte vor dieser in dieser Sitzung (Alt+Links)</translation>
    </message>
    <message>
        <source>The next map of this session (Alt+Right)</source>
        <translation>Die nächste Karte dieser Sitzung (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show the whole map (Ctrl+0)</source>
        <translation>Die ganze Karte zeigen (Strg+0)</translation>
    </message>
    <message>
        <source>One map pixel per screen pixel (Ctrl+1)</source>
        <translation>Ein Kartenpixel pro Bildschirmpixel (Strg+1)</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+-, or the mouse wheel)</source>
        <translation>Verkleinern (Strg+- oder Mausrad)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl++, or the mouse wheel)</source>
        <translation>Vergrößern (Strg++ oder Mausrad)</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>While a slider or list changes, make the map on screen again with its seed at once (maps over %lld million pixels wait for Generate)</source>
        <translation>Solange ein Regler oder eine Liste sich ändert, die angezeigte Karte sofort mit ihrem Seed neu erzeugen (Karten über %lld Millionen Pixel warten auf Erzeugen)</translation>
    </message>
    <message>
        <source>Output Parameters</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Edit the map&apos;s destructible, tough and indestructible colours (IndiMask)</source>
        <translation>Zerstörbare, harte und unzerstörbare Farben der Karte bearbeiten (IndiMask)</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Kartentyp</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Algorithm:</source>
        <translation>Verfahren:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Aufbau:</translation>
    </message>
    <message>
        <source>Brick:</source>
        <translation>Stein:</translation>
    </message>
    <message>
        <source>Smoothing:</source>
        <translation>Glättung:</translation>
    </message>
    <message>
        <source>new seed each time</source>
        <translation>jedes Mal ein neuer Seed</translation>
    </message>
    <message>
        <source>Type a seed to make that map again (as brambex --seed does); Enter generates it</source>
        <translation>Einen Seed eingeben, um diese Karte erneut zu erzeugen (wie brambex --seed); Eingabe erzeugt sie</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>The seed of the map shown</source>
        <translation>Der Seed der angezeigten Karte</translation>
    </message>
    <message>
        <source>Map seed</source>
        <translation>Karten-Seed</translation>
    </message>
    <message>
        <source>Map seed:</source>
        <translation>Karten-Seed:</translation>
    </message>
    <message>
        <source>Map code</source>
        <translation>Kartencode</translation>
    </message>
    <message>
        <source>The code of the map shown: every value it was made from. Paste it into File &gt; Open Code, or give it to brambex --code, to make the same map</source>
        <translation>Der Code der angezeigten Karte: alle Werte, aus denen sie entstand. In Datei &gt; Code öffnen einfügen oder brambex --code übergeben, um dieselbe Karte zu erzeugen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the map&apos;s code (Ctrl+Shift+C)</source>
        <translation>Den Code der Karte kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Copy map code</source>
        <translation>Kartencode kopieren</translation>
    </message>
    <message>
        <source>Map code:</source>
        <translation>Kartencode:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop making this map; the map shown before stays (Esc)</source>
        <translation>Diese Karte nicht weiter erzeugen; die vorherige Karte bleibt (Esc)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Path size</source>
        <translation>Wegbreite</translation>
    </message>
    <message>
        <source>Islands or caves</source>
        <translation>Inseln oder Höhlen</translation>
    </message>
    <message>
        <source>Complexity</source>
        <translation>Komplexität</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Weapon pads</source>
        <translation>Waffenplätze</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Auffüllung</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Kartentyp</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Algorithm</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Brick</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Save the settings of this map type</source>
        <translation>Die Einstellungen dieses Kartentyps speichern</translation>
    </message>
    <message>
        <source>Edit the IndiMask</source>
        <translation>IndiMask bearbeiten</translation>
    </message>
    <message>
        <source>Map preview</source>
        <translation>Kartenvorschau</translation>
    </message>
    <message>
        <source>Teams the figures are for</source>
        <translation>Teams, für die die Werte gelten</translation>
    </message>
    <message>
        <source>%s value</source>
        <translation>%s (Wert)</translation>
    </message>
    <message>
        <source>%s (type a value)</source>
        <translation>%s (Wert eingeben)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>Water:</source>
        <translation>Wasser:</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>No Top Soil</source>
        <translation>Ohne Deckschicht</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Show &amp;Transparency</source>
        <translation>&amp;Transparenz zeigen</translation>
    </message>
    <message>
        <source>Force Full Colour</source>
        <translation>Alle Farben erzwingen</translation>
    </message>
    <message>
        <source>Objects:</source>
        <translation>Objekte:</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>Plätze:</translation>
    </message>
    <message>
        <source>Padding:</source>
        <translation>Auffüllung:</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>Komplexität:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Path Size:</source>
        <translation>Wegbreite:</translation>
    </message>
    <message>
        <source>Num Islands:</source>
        <translation>Anzahl Inseln:</translation>
    </message>
    <message>
        <source>Num Caves:</source>
        <translation>Anzahl Höhlen:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>&amp;Reset All</source>
        <translation>Alles zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>Karte &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Map</source>
        <translation>Karte &amp;laden</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Random Spread</source>
        <translation>Zufällig verteilt</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Kugeln</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Pool Balls</source>
        <translation>Billardkugeln</translation>
    </message>
    <message>
        <source>Rugby</source>
        <translation>Rugby</translation>
    </message>
    <message>
        <source>Smilies</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Weltraum</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <source>Smoothe</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>White Stone</source>
        <translation>Weißer Stein</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinth</translation>
    </message>
    <message numerus="yes">
        <source>for %n teams</source>
        <translation>
            <numerusform>für %n Team</numerusform>
            <numerusform>für %n Teams</numerusform>
        </translation>
    </message>
    <message>
        <source>Error in Game Type</source>
        <translation>Fehler im Kartentyp</translation>
    </message>
    <message>
        <source>Balls Selected</source>
        <translation>Kugeln gewählt</translation>
    </message>
    <message>
        <source>Matrix Selected</source>
        <translation>Matrix gewählt</translation>
    </message>
    <message>
        <source>Pool Selected</source>
        <translation>Billard gewählt</translation>
    </message>
    <message>
        <source>Rugby Selected</source>
        <translation>Rugby gewählt</translation>
    </message>
    <message>
        <source>Smilies Selected</source>
        <translation>Smileys gewählt</translation>
    </message>
    <message>
        <source>Space Selected</source>
        <translation>Weltraum gewählt</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Ausnahmefehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Brick Changed</source>
        <translation>Stein geändert</translation>
    </message>
    <message>
        <source>Settings saved for %s</source>
        <translation>Einstellungen für %s gespeichert</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%s carries a map code of another map (seed %u): its controls are not restored from it.</source>
        <translation>%s enthält den Code einer anderen Karte (Seed %u): Die Regler werden nicht daraus wiederhergestellt.</translation>
    </message>
    <message>
        <source>%s: %s Generate with Modify makes this version&apos;s map of its settings.</source>
        <translation>%s: %s Erzeugen mit Ändern macht die Karte dieser Version aus ihren Einstellungen.</translation>
    </message>
    <message>
        <source>%s has no map code: its seed, type, theme and size are restored.</source>
        <translation>%s hat keinen Kartencode: Seed, Typ, Thema und Größe werden wiederhergestellt.</translation>
    </message>
    <message>
        <source>%s has no map code: its seed, type, theme and size are restored, its %s are not known (the controls keep theirs).</source>
        <translation>%s hat keinen Kartencode: Seed, Typ, Thema und Größe werden wiederhergestellt, %s sind unbekannt (die Regler behalten ihre).</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Inseln</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>it goes from %d to %d</source>
        <translation>er reicht von %d bis %d</translation>
    </message>
    <message>
        <source>sizes go in steps of 8</source>
        <translation>Größen gehen in Achterschritten</translation>
    </message>
    <message>
        <source>%s %d is made as %d: %s</source>
        <translation>%s %d wird zu %d: %s</translation>
    </message>
    <message>
        <source>The value</source>
        <translation>Der Wert</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>Der Seed muss eine ganze Zahl von 0 bis 4294967295 sein.</translation>
    </message>
    <message>
        <source>Live is paused: the map has editor changes that are not saved. Save them, or press Generate.</source>
        <translation>Live ist angehalten: Die Karte hat ungespeicherte Editor-Änderungen. Speichere sie oder drücke Erzeugen.</translation>
    </message>
    <message>
        <source>Generating %s %d x %d</source>
        <translation>Erzeuge %s %d × %d</translation>
    </message>
    <message>
        <source>No candidates</source>
        <translation>Keine Kandidaten</translation>
    </message>
    <message>
        <source>Missing files</source>
        <translation>Fehlende Dateien</translation>
    </message>
    <message>
        <source>The map could not be made.</source>
        <translation>Die Karte konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Generation cancelled</source>
        <translation>Erzeugung abgebrochen</translation>
    </message>
    <message>
        <source>%s map, seed %u</source>
        <translation>%s-Karte, Seed %u</translation>
    </message>
    <message>
        <source>Map Code</source>
        <translation>Kartencode</translation>
    </message>
    <message>
        <source>Make this version&apos;s map of the same settings instead? It is not the map of the code.</source>
        <translation>Stattdessen die Karte dieser Version mit denselben Einstellungen erzeugen? Es ist nicht die Karte des Codes.</translation>
    </message>
    <message>
        <source>The code is for a %s map, and %s is not installed.</source>
        <translation>Der Code ist für eine %s-Karte, und %s ist nicht installiert.</translation>
    </message>
    <message>
        <source>The code&apos;s theme is not installed here (%d themes are), so its map cannot be made.</source>
        <translation>Das Thema des Codes ist hier nicht installiert (%d Themen sind es), daher kann seine Karte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>The code&apos;s map is %d x %d, %lld million pixels: making it needs about %lld GB of memory and may take minutes. Make it?</source>
        <translation>Die Karte des Codes ist %d × %d, %lld Millionen Pixel: Sie braucht etwa %lld GB Speicher und kann Minuten dauern. Erzeugen?</translation>
    </message>
    <message>
        <source>Undone: an editor change</source>
        <translation>Rückgängig: eine Editor-Änderung</translation>
    </message>
    <message>
        <source>Redone: an editor change</source>
        <translation>Wiederholt: eine Editor-Änderung</translation>
    </message>
    <message>
        <source>Saved %s</source>
        <translation>%s gespeichert</translation>
    </message>
    <message>
        <source>A picture, not a map of ours (no seed, no code)</source>
        <translation>Ein Bild, keine Karte von uns (kein Seed, kein Code)</translation>
    </message>
    <message>
        <source>%s has no map record: it carries no seed, type or theme.</source>
        <translation>%s hat keine Kartendaten: kein Seed, Typ oder Thema.</translation>
    </message>
    <message>
        <source>%s is not a map the program can read.</source>
        <translation>%s ist keine Karte, die das Programm lesen kann.</translation>
    </message>
    <message>
        <source>%s is %d x %d, %lld million pixels: showing it needs about %lld GB of memory and may take a while. Load it?</source>
        <translation>%s ist %d × %d, %lld Millionen Pixel: Die Anzeige braucht etwa %lld GB Speicher und kann dauern. Laden?</translation>
    </message>
    <message>
        <source>State Reset</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n candidates: pick one</source>
        <translation>
            <numerusform>%n Kandidat: wähle ihn</numerusform>
            <numerusform>%n Kandidaten: wähle einen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n pictures left out, over the size limit: %s)</source>
        <translation>
            <numerusform> (%n Bild weggelassen, über der Größengrenze: %s)</numerusform>
            <numerusform> (%n Bilder weggelassen, über der Größengrenze: %s)</numerusform>
        </translation>
    </message>
</context>
</TS>

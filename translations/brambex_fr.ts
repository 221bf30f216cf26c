<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>brambex: stopped; no map was written.
</source>
        <translation>brambex : arrêté ; aucune carte n&apos;a été écrite.
</translation>
    </message>
    <message>
        <source>brambex: %s
</source>
        <translation>brambex : %s
</translation>
    </message>
    <message>
        <source>brambex: %s No map was written.
</source>
        <translation>brambex : %s Aucune carte n&apos;a été écrite.
</translation>
    </message>
    <message>
        <source>brambex: stopped after the map was written; %s is whole.
</source>
        <translation>brambex : arrêté après l&apos;écriture de la carte ; %s est complet.
</translation>
    </message>
    <message>
        <source>brambex: %s maps cannot be mirrored (--mirror is for %s)
</source>
        <translation>brambex : les cartes %s ne peuvent pas être reflétées (--mirror est pour %s)
</translation>
    </message>
    <message>
        <source>brambex: no installed map type is called &quot;%s&quot; (installed: %s)
</source>
        <translation>brambex : aucun type de carte installé ne s&apos;appelle « %s » (installés : %s)
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
        <translation>Brambex %s - des cartes aléatoires pour un jeu d&apos;artillerie au tour par tour

usage : brambex                      ouvrir la fenêtre
        brambex FICHIER.png          ouvrir la fenêtre avec cette carte
        brambex -t TYPE [OPTIONS]    créer une carte de TYPE dans %s
        brambex --code CODE [--out FICHIER]
                                     créer la carte d&apos;un code de carte (quels que soient les réglages)
        brambex --verify FICHIER     refaire la carte d&apos;un fichier à partir de son code et comparer
                                     chaque pixel (sortie 0 identique, 1 différente, 2 pas de code)
        brambex --info FICHIER       décrire un fichier de carte enregistré (son code aussi)
        brambex -h, --help           afficher ce texte
        brambex -V, --version        afficher la version

TYPE (tels qu&apos;installés) : %s

OPTIONS (chacune aussi sous la forme --option=VALEUR) :
  --seed N        créer la carte de la graine N (la même graine donne la même carte)
  --theme N       utiliser le thème N au lieu d&apos;un thème au hasard
  --out FICHIER   écrire la carte dans FICHIER (« .png » est ajouté si le nom n&apos;en a pas)
  --full-colour   enregistrer avec toutes les couleurs au lieu de 64
  --count N       créer N cartes de graines consécutives (à partir de --seed, ou d&apos;une au hasard) dans
                  le dossier nommé par --out, sous le nom brambex_TYPE_GRAINE.png, sur tous les cœurs
  --sheet FICHIER avec --count : une image de tous leurs aperçus, chaque graine dessous
  --teams T       afficher les chiffres d&apos;équipe pour T équipes (2 à 6) : la place pour des équipes de 8
                  et l&apos;équilibre (la place de la plus vide de T bandes égales sur celle de la plus pleine) ;
                  avec --count : ne garder que les cartes qui respectent les seuils de jouabilité du type,
                  ont de la place pour T équipes et au moins le seuil d&apos;équilibre du type,
                  en tirant d&apos;autres graines (au plus 8 N essais)
  --mirror        créer la moitié gauche et la refléter à droite (Cavern, Island, Roper,
                  Bow and Arrow, Shopper, Walk for Weapons) : équilibrée pour deux équipes
  --playable      avec --count : ne garder que les cartes qui respectent les seuils de jouabilité
                  du type, en tirant d&apos;autres graines (au plus 4 N essais)

Le code de chaque carte (affiché après elle, gardé dans son fichier) refait cette carte avec --code,
dans chaque version qui produit l&apos;époque de recette du code.

Code de sortie : 0 fait (aussi quand un signal est arrivé après l&apos;écriture de la carte : elle est complète),
  1 la carte n&apos;a pas pu être créée ou écrite, 2 la ligne de commande est fausse, 130 arrêté par
  SIGINT (Ctrl+C) et 143 par SIGTERM avant l&apos;écriture de la carte (rien n&apos;a été écrit ; un lot
  garde les cartes terminées).

Gardé pour les anciens scripts : un commutateur d&apos;une lettre autre que -t, -h et -V (« -x NOM ») et « -t »
seul ne créent rien et sortent avec 0. Chaque lancement note les types installés et le chemin du
programme (« Types » et « Path ») dans $XDG_CONFIG_HOME/Halvane/Brambex.conf (~/.config/...).
</translation>
    </message>
    <message>
        <source>brambex: cannot read %s
</source>
        <translation>brambex : impossible de lire %s
</translation>
    </message>
    <message>
        <source>brambex: %s is not a picture the program can read
</source>
        <translation>brambex : %s n&apos;est pas une image que le programme sait lire
</translation>
    </message>
    <message>
        <source>brambex: Out of memory
</source>
        <translation>brambex : mémoire épuisée
</translation>
    </message>
    <message>
        <source>brambex: %s is not a folder the maps can be written to
</source>
        <translation>brambex : %s n&apos;est pas un dossier où les cartes peuvent être écrites
</translation>
    </message>
    <message>
        <source>[%d/%d] seed %u: %s
</source>
        <translation>[%d/%d] graine %u : %s
</translation>
    </message>
    <message>
        <source>brambex: could not start the run of seed %u
</source>
        <translation>brambex : la création de la graine %u n&apos;a pas pu démarrer
</translation>
    </message>
    <message>
        <source>Wrote %s: %d maps
</source>
        <translation>%s écrit : %d cartes
</translation>
    </message>
    <message>
        <source>Playable: %s maps with %s
</source>
        <translation>Jouables : cartes %s avec %s
</translation>
    </message>
    <message>
        <source>Teams: %s
</source>
        <translation>Équipes : %s
</translation>
    </message>
    <message>
        <source>%d of %d %s maps written to %s (%d seeds tried, %d not %s)%s
</source>
        <translation>%d sur %d cartes %s écrites dans %s (%d graines essayées, %d non %s)%s
</translation>
    </message>
    <message>
        <source>%d of %d maps written to %s%s
</source>
        <translation>%d cartes sur %d écrites dans %s%s
</translation>
    </message>
    <message>
        <source>brambex: only %d %s maps in %d tries
</source>
        <translation>brambex : seulement %d cartes %s en %d essais
</translation>
    </message>
    <message>
        <source>--code and --verify go alone</source>
        <translation>--code et --verify s&apos;emploient seuls</translation>
    </message>
    <message>
        <source>--info needs a file name</source>
        <translation>--info demande un nom de fichier</translation>
    </message>
    <message>
        <source>-t is given twice</source>
        <translation>-t est donné deux fois</translation>
    </message>
    <message>
        <source>-t needs a map type</source>
        <translation>-t demande un type de carte</translation>
    </message>
    <message>
        <source>--seed needs a number from 0 to 4294967295</source>
        <translation>--seed demande un nombre de 0 à 4294967295</translation>
    </message>
    <message>
        <source>--theme needs a theme number</source>
        <translation>--theme demande un numéro de thème</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out demande un nom de fichier</translation>
    </message>
    <message>
        <source>--teams needs a number of teams from 2 to %d</source>
        <translation>--teams demande un nombre d&apos;équipes de 2 à %d</translation>
    </message>
    <message>
        <source>--count needs a number of maps from 1 to 10000</source>
        <translation>--count demande un nombre de cartes de 1 à 10000</translation>
    </message>
    <message>
        <source>--sheet needs a file name</source>
        <translation>--sheet demande un nom de fichier</translation>
    </message>
    <message>
        <source>--info goes alone</source>
        <translation>--info s&apos;emploie seul</translation>
    </message>
    <message>
        <source>--verify goes alone</source>
        <translation>--verify s&apos;emploie seul</translation>
    </message>
    <message>
        <source>--code takes only --out beside it (the code says everything else)</source>
        <translation>--code n&apos;accepte que --out à côté (le code dit tout le reste)</translation>
    </message>
    <message>
        <source>the options go with -t TYPE</source>
        <translation>les options vont avec -t TYPE</translation>
    </message>
    <message>
        <source>--count needs --out FOLDER for the maps</source>
        <translation>--count demande --out DOSSIER pour les cartes</translation>
    </message>
    <message>
        <source>--sheet goes with --count</source>
        <translation>--sheet va avec --count</translation>
    </message>
    <message>
        <source>--playable goes with --count</source>
        <translation>--playable va avec --count</translation>
    </message>
    <message>
        <source>brambex: the code is for a %s map, and %s is not installed (installed: %s)
</source>
        <translation>brambex : le code est celui d&apos;une carte %s, et %s n&apos;est pas installé (installés : %s)
</translation>
    </message>
    <message>
        <source>brambex: the code&apos;s theme %d is not installed (themes 0 to %d)
</source>
        <translation>brambex : le thème %d du code n&apos;est pas installé (thèmes 0 à %d)
</translation>
    </message>
    <message>
        <source>brambex: the code draws its theme out of %d themes, and %d are installed
</source>
        <translation>brambex : le code tire son thème parmi %d thèmes, et %d sont installés
</translation>
    </message>
    <message>
        <source>brambex: cannot read %s as a PNG file
</source>
        <translation>brambex : impossible de lire %s comme fichier PNG
</translation>
    </message>
    <message>
        <source>brambex: %s has no map code: there is no recipe to make it again from
</source>
        <translation>brambex : %s n&apos;a pas de code de carte : aucune recette pour la refaire
</translation>
    </message>
    <message>
        <source>brambex: stopped before the map was compared.
</source>
        <translation>brambex : arrêté avant la comparaison de la carte.
</translation>
    </message>
    <message>
        <source>brambex: the map of the code could not be made: %s
</source>
        <translation>brambex : la carte du code n&apos;a pas pu être créée : %s
</translation>
    </message>
    <message>
        <source>brambex: theme %d is not installed (themes 0 to %d)
</source>
        <translation>brambex : le thème %d n&apos;est pas installé (thèmes 0 à %d)
</translation>
    </message>
    <message>
        <source>unknown option &quot;%s&quot;</source>
        <translation>option inconnue « %s »</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an option</source>
        <translation>« %s » n&apos;est pas une option</translation>
    </message>
    <message>
        <source>Making the %s map (%d x %d): %llds, Ctrl+C stops </source>
        <translation>Création de la carte %s (%d × %d) : %lld s, Ctrl+C arrête </translation>
    </message>
    <message>
        <source>[%s%s] %d/%d maps</source>
        <translation>[%s%s] %d/%d cartes</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Destructable</source>
        <translation>Destructible</translation>
    </message>
    <message>
        <source>Tough</source>
        <translation>Résistant</translation>
    </message>
    <message>
        <source>Indestructable</source>
        <translation>Indestructible</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rouge :</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Vert :</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Bleu :</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Modifier la carte</translation>
    </message>
    <message>
        <source>Click a colour to select it; drag to move the map, turn the wheel to zoom</source>
        <translation>Cliquez une couleur pour la choisir ; faites glisser pour déplacer la carte, tournez la molette pour zoomer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Plus tendre</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Plus dur</translation>
    </message>
    <message>
        <source>Make the selected colour softer: indestructable to tough to destructable</source>
        <translation>Rendre la couleur choisie plus tendre : indestructible, puis résistante, puis destructible</translation>
    </message>
    <message>
        <source>Make the selected colour harder: destructable to tough to indestructable</source>
        <translation>Rendre la couleur choisie plus dure : destructible, puis résistante, puis indestructible</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Take back the last change (Ctrl+Z)</source>
        <translation>Reprendre la dernière modification (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Make the change taken back again (Ctrl+Shift+Z)</source>
        <translation>Refaire la modification reprise (Ctrl+Maj+Z)</translation>
    </message>
    <message>
        <source>Enable IndiMask</source>
        <translation>Activer l&apos;IndiMask</translation>
    </message>
    <message>
        <source>Mark the map as one with indestructible parts (the marker pixel&apos;s colour)</source>
        <translation>Marquer la carte comme ayant des parties indestructibles (la couleur du pixel marqueur)</translation>
    </message>
    <message>
        <source>Throw away the changes made in the editor? The map goes back to how it was when the editor opened.</source>
        <translation>Abandonner les modifications faites dans l&apos;éditeur ? La carte redevient telle qu&apos;à l&apos;ouverture de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>It cannot be edited in the map editor.</source>
        <translation>Elle ne peut pas être modifiée dans l&apos;éditeur de carte.</translation>
    </message>
    <message>
        <source>The map could not be reduced to 64 colours.</source>
        <translation>La carte n&apos;a pas pu être réduite à 64 couleurs.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire épuisée</translation>
    </message>
    <message>
        <source>%s was not written.</source>
        <translation>%s n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Unable to open %s for writing, is file set as read only?</source>
        <translation>Impossible d&apos;ouvrir %s en écriture : le fichier est-il en lecture seule ?</translation>
    </message>
    <message>
        <source>%s: %s was not written.</source>
        <translation>%s : %s n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Missing files</source>
        <translation>Fichiers manquants</translation>
    </message>
    <message>
        <source>There are no themes installed!
Some map types require the theme pack, this can be found at the &quot;Theme folders&quot; section of README.md (the build writes the themes into data/generic/themes/)</source>
        <translation>Aucun thème n&apos;est installé !
Certains types de carte ont besoin du pack de thèmes : voir la section « Theme folders » de README.md (la compilation écrit les thèmes dans data/generic/themes/)</translation>
    </message>
    <message>
        <source>The map (%d x %d) is too large to be reduced to 64 colours. Use &quot;%.*s&quot; to save it in full colour.</source>
        <translation>La carte (%d × %d) est trop grande pour être réduite à 64 couleurs. Utilisez « %.*s » pour l&apos;enregistrer avec toutes ses couleurs.</translation>
    </message>
    <message>
        <source>There is no map to save.</source>
        <translation>Il n&apos;y a pas de carte à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée en PNG.</translation>
    </message>
    <message>
        <source>%s is not a PNG file a chunk can be added to.</source>
        <translation>%s n&apos;est pas un fichier PNG auquel un bloc peut être ajouté.</translation>
    </message>
    <message>
        <source>The theme folder %s has no soil.png that can be read; the installed theme of its number is used.</source>
        <translation>Le dossier de thème %s n&apos;a pas de soil.png lisible ; le thème installé de ce numéro est utilisé.</translation>
    </message>
    <message>
        <source>The folder %s cannot be made: %s</source>
        <translation>Le dossier %s ne peut pas être créé : %s</translation>
    </message>
    <message>
        <source>The folder %s is not a folder of your own (a link, or another user&apos;s); nothing is written there.</source>
        <translation>Le dossier %s n&apos;est pas à vous (un lien, ou celui d&apos;un autre utilisateur) ; rien n&apos;y est écrit.</translation>
    </message>
    <message>
        <source>The folder %s cannot be made private: %s</source>
        <translation>Le dossier %s ne peut pas être rendu privé : %s</translation>
    </message>
    <message>
        <source>Neither HOME nor XDG_CONFIG_HOME and XDG_CACHE_HOME are set, so there is no folder of yours for the map, its previews and the settings.</source>
        <translation>Ni HOME ni XDG_CONFIG_HOME et XDG_CACHE_HOME ne sont définis : il n&apos;y a pas de dossier à vous pour la carte, ses aperçus et les réglages.</translation>
    </message>
    <message>
        <source>No fort piece could be read in %s (missing, damaged or over the %d x %d pixel limit for fort pieces and bricks).</source>
        <translation>Aucune pièce de fort n&apos;a pu être lue dans %s (manquante, abîmée ou au-delà de la limite de %d × %d pixels des pièces et briques).</translation>
    </message>
    <message>
        <source>The fort&apos;s brick %s could not be read (missing, damaged or over the %d x %d pixel limit for fort pieces and bricks).</source>
        <translation>La brique du fort %s n&apos;a pas pu être lue (manquante, abîmée ou au-delà de la limite de %d × %d pixels des pièces et briques).</translation>
    </message>
    <message>
        <source>The course brush %s is missing, damaged or larger than %d pixels.</source>
        <translation>Le pinceau du parcours %s manque, est abîmé ou dépasse %d pixels.</translation>
    </message>
    <message>
        <source>No maze tile could be read in %s (the files are missing, damaged or over the %d x %d pixel limit for tiles).</source>
        <translation>Aucune tuile de labyrinthe n&apos;a pu être lue dans %s (fichiers manquants, abîmés ou au-delà de la limite de %d × %d pixels des tuiles).</translation>
    </message>
    <message>
        <source>No building tile could be read in %s (the files are missing, damaged or larger than %d pixels).</source>
        <translation>Aucune tuile de bâtiment n&apos;a pu être lue dans %s (fichiers manquants, abîmés ou de plus de %d pixels).</translation>
    </message>
    <message>
        <source>No building tile in %s fits a %d x %d map.</source>
        <translation>Aucune tuile de bâtiment de %s ne tient dans une carte de %d × %d.</translation>
    </message>
    <message>
        <source>%s is %d x %d, over the %d x %d limit for this artwork: left out.</source>
        <translation>%s fait %d × %d, au-delà de la limite de %d × %d pour cette image : laissée de côté.</translation>
    </message>
</context>
<context>
    <name>Playability</name>
    <message numerus="yes">
        <source>%n standing places</source>
        <translation>
            <numerusform>%n emplacement</numerusform>
            <numerusform>%n emplacements</numerusform>
        </translation>
    </message>
    <message>
        <source>all reachable</source>
        <translation>tous atteignables</translation>
    </message>
    <message>
        <source>%d%% reachable</source>
        <translation>%d %% atteignables</translation>
    </message>
    <message numerus="yes">
        <source>%n sealed rooms</source>
        <translation>
            <numerusform>%n salle close</numerusform>
            <numerusform>%n salles closes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits of debris</source>
        <translation>
            <numerusform>%n débris</numerusform>
            <numerusform>%n débris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>all %n pads reachable</source>
        <translation>
            <numerusform>l&apos;emplacement d&apos;arme atteignable</numerusform>
            <numerusform>les %n emplacements d&apos;armes atteignables</numerusform>
        </translation>
    </message>
    <message>
        <source>%d of %d pads reachable</source>
        <translation>%d emplacements d&apos;armes sur %d atteignables</translation>
    </message>
    <message>
        <source>course at least %d px</source>
        <translation>parcours d&apos;au moins %d px</translation>
    </message>
    <message>
        <source>course blocked</source>
        <translation>parcours bouché</translation>
    </message>
    <message numerus="yes">
        <source>room for %n teams</source>
        <translation>
            <numerusform>place pour %n équipe</numerusform>
            <numerusform>place pour %n équipes</numerusform>
        </translation>
    </message>
    <message>
        <source>balance %.2f for %d teams</source>
        <translation>équilibre %.2f pour %d équipes</translation>
    </message>
    <message numerus="yes">
        <source>room for only %n teams</source>
        <translation>
            <numerusform>place pour %n équipe seulement</numerusform>
            <numerusform>place pour %n équipes seulement</numerusform>
        </translation>
    </message>
    <message>
        <source>room for %d teams of %d and a balance of at least %.2f for %d teams (the standing room of the emptiest of %d equal strips over the fullest&apos;s)</source>
        <translation>de la place pour %d équipes de %d et un équilibre d&apos;au moins %.2f pour %d équipes (la place où se tenir de la plus vide de %d bandes égales divisée par celle de la plus pleine)</translation>
    </message>
    <message numerus="yes">
        <source>only %n standing places</source>
        <translation>
            <numerusform>seulement %n emplacement</numerusform>
            <numerusform>seulement %n emplacements</numerusform>
        </translation>
    </message>
    <message>
        <source>only %d%% of the standing places reach each other</source>
        <translation>seulement %d %% des emplacements se rejoignent</translation>
    </message>
    <message>
        <source>only %d of %d pads reachable</source>
        <translation>seulement %d emplacements d&apos;armes sur %d atteignables</translation>
    </message>
    <message>
        <source>the course is blocked</source>
        <translation>le parcours est bouché</translation>
    </message>
    <message>
        <source>the course narrows to %d px</source>
        <translation>le parcours se rétrécit à %d px</translation>
    </message>
    <message numerus="yes">
        <source>at least %n standing places</source>
        <translation>
            <numerusform>au moins %n emplacement</numerusform>
            <numerusform>au moins %n emplacements</numerusform>
        </translation>
    </message>
    <message>
        <source>, %d%% of them reaching each other</source>
        <translation>, dont %d %% se rejoignent</translation>
    </message>
    <message>
        <source>, %d%% of the weapon pads reachable</source>
        <translation>, %d %% des emplacements d&apos;armes atteignables</translation>
    </message>
    <message>
        <source>, a course at least %d px wide all the way</source>
        <translation>, un parcours d&apos;au moins %d px de large tout du long</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>objects</source>
        <translation>objets</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
    <message>
        <source>algorithm</source>
        <translation>algorithme</translation>
    </message>
    <message>
        <source>complexity</source>
        <translation>complexité</translation>
    </message>
    <message>
        <source>caves</source>
        <translation>grottes</translation>
    </message>
    <message>
        <source>brick</source>
        <translation>brique</translation>
    </message>
    <message>
        <source>islands</source>
        <translation>îles</translation>
    </message>
    <message>
        <source>path size</source>
        <translation>largeur des passages</translation>
    </message>
    <message>
        <source>no top soil</source>
        <translation>sans couche d&apos;herbe</translation>
    </message>
    <message>
        <source>layout</source>
        <translation>disposition</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>lissage</translation>
    </message>
    <message>
        <source>padding</source>
        <translation>remplissage</translation>
    </message>
    <message>
        <source>pads</source>
        <translation>emplacements d&apos;armes</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a map code (a map code starts with %s-).</source>
        <translation>« %s » n&apos;est pas un code de carte (un code de carte commence par %s-).</translation>
    </message>
    <message>
        <source>This map code is of format %s, which this version cannot read (it reads %s).</source>
        <translation>Ce code de carte est au format %s, que cette version ne sait pas lire (elle lit %s).</translation>
    </message>
    <message>
        <source>The map code has a character no map code has (&quot;%c&quot;): check it for a typing error.</source>
        <translation>Le code de carte contient un caractère qu&apos;aucun code n&apos;a (« %c ») : cherchez une faute de frappe.</translation>
    </message>
    <message>
        <source>The map code has a typing error: its last four characters do not match the rest.</source>
        <translation>Le code de carte a une faute de frappe : ses quatre derniers caractères ne correspondent pas au reste.</translation>
    </message>
    <message>
        <source>The map code is for a map type this version does not know (&quot;%s&quot;).</source>
        <translation>Le code de carte est celui d&apos;un type de carte que cette version ne connaît pas (« %s »).</translation>
    </message>
    <message>
        <source>The map code has no recipe epoch after its type.</source>
        <translation>Le code de carte n&apos;a pas d&apos;époque de recette après son type.</translation>
    </message>
    <message>
        <source>The map code&apos;s seed is not a number from 0 to 4294967295.</source>
        <translation>La graine du code de carte n&apos;est pas un nombre de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>The map code&apos;s theme is not &quot;t&quot; or &quot;r&quot; with a number.</source>
        <translation>Le thème du code de carte n&apos;est pas « t » ou « r » suivi d&apos;un nombre.</translation>
    </message>
    <message>
        <source>The map code has no size (width x height) where it should.</source>
        <translation>Le code de carte n&apos;a pas de taille (largeur x hauteur) là où il le faut.</translation>
    </message>
    <message>
        <source>The map code&apos;s size %llu x %llu is outside what %s maps take (%d to %d wide, %d to %d high).</source>
        <translation>La taille %llu × %llu du code de carte sort de ce que prennent les cartes %s (%d à %d de large, %d à %d de haut).</translation>
    </message>
    <message>
        <source>The map code has no %s (&quot;%c&quot; and a number) where it should.</source>
        <translation>Le code de carte n&apos;a pas de %s (« %c » suivi d&apos;un nombre) là où il le faut.</translation>
    </message>
    <message>
        <source>The map code&apos;s %s (%llu) is outside %d to %d.</source>
        <translation>La valeur %s (%llu) du code de carte sort de %d à %d.</translation>
    </message>
    <message>
        <source>The map code has no water colour (&quot;w&quot; and 0 to 4) where it should.</source>
        <translation>Le code de carte n&apos;a pas de couleur d&apos;eau (« w » et 0 à 4) là où il le faut.</translation>
    </message>
    <message>
        <source>%s maps cannot be mirrored, and the map code says this one is.</source>
        <translation>Les cartes %s ne peuvent pas être reflétées, et le code de carte dit que celle-ci l&apos;est.</translation>
    </message>
    <message>
        <source>The map code has more parts than a %s map has.</source>
        <translation>Le code de carte a plus de parties qu&apos;une carte %s.</translation>
    </message>
    <message>
        <source>The map code is not written as this version writes codes.</source>
        <translation>Le code de carte n&apos;est pas écrit comme cette version écrit les codes.</translation>
    </message>
    <message>
        <source>This map code is for %s maps of recipe epoch %d; this version makes epoch %d, which would be a different map.</source>
        <translation>Ce code de carte est pour les cartes %s de l&apos;époque de recette %d ; cette version fait l&apos;époque %d, ce qui serait une autre carte.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Playable Candidates</source>
        <translation>Candidates jouables</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Candidates</translation>
    </message>
    <message>
        <source>Kept: %s maps with %s, and %s.</source>
        <translation>Conservées : cartes %s avec %s, et %s.</translation>
    </message>
    <message>
        <source>seed %u</source>
        <translation>graine %u</translation>
    </message>
    <message>
        <source>(misses)</source>
        <translation>(manque)</translation>
    </message>
    <message>
        <source>Making map %d of %d...</source>
        <translation>Création de la carte %d sur %d…</translation>
    </message>
    <message>
        <source>Click the map you want.</source>
        <translation>Cliquez sur la carte voulue.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Remove BG</source>
        <translation>Sans arrière-plan</translation>
    </message>
    <message>
        <source>Use Vexkit Module</source>
        <translation>Utiliser le module Vexkit</translation>
    </message>
    <message>
        <source>About Brambex</source>
        <translation>À propos de Brambex</translation>
    </message>
    <message>
        <source>Random maps for a turn-based artillery game.</source>
        <translation>Des cartes aléatoires pour un jeu d&apos;artillerie au tour par tour.</translation>
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
        <translation>La carte affichée n&apos;a pas de code (elle vient d&apos;un fichier qui n&apos;en a pas).</translation>
    </message>
    <message>
        <source>Copied the map code %s</source>
        <translation>Code de carte %s copié</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d s</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PNG Files (*.png);;All Files (*.*)</source>
        <translation>Fichiers PNG (*.png);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Load Map</source>
        <translation>Charger une carte</translation>
    </message>
    <message>
        <source>The map %s has changes that are not saved.</source>
        <translation>La carte %s a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them before the map is replaced?</source>
        <translation>Les enregistrer avant de remplacer la carte ?</translation>
    </message>
    <message>
        <source>Reducing the map to its 64 colours for the editor...</source>
        <translation>Réduction de la carte à 64 couleurs pour l&apos;éditeur…</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Modifier la carte</translation>
    </message>
    <message>
        <source>Map from Code</source>
        <translation>Carte depuis un code</translation>
    </message>
    <message>
        <source>Map code (as Copy Map Code gives it):</source>
        <translation>Code de carte (tel que le donne « Copier le code de carte ») :</translation>
    </message>
    <message>
        <source>The kind of map to make</source>
        <translation>Le genre de carte à créer</translation>
    </message>
    <message>
        <source>Keep these settings for this map type: they come back the next time it is chosen</source>
        <translation>Garder ces réglages pour ce type de carte : ils reviennent la prochaine fois qu&apos;il est choisi</translation>
    </message>
    <message>
        <source>Let each map pick its own theme and the choices below</source>
        <translation>Chaque carte choisit elle-même son thème et les options ci-dessous</translation>
    </message>
    <message>
        <source>Choose the theme and the choices below yourself</source>
        <translation>Choisir vous-même le thème et les options ci-dessous</translation>
    </message>
    <message>
        <source>The look of the land: soil, grass, roots and decorations</source>
        <translation>L&apos;aspect du terrain : sol, herbe, racines et décorations</translation>
    </message>
    <message>
        <source>How Bow and Arrow spreads its pictures: denser towards the bottom, or anywhere</source>
        <translation>Comment Bow and Arrow répartit ses images : plus serrées vers le bas, ou partout</translation>
    </message>
    <message>
        <source>The pictures a Bow and Arrow map is made of</source>
        <translation>Les images qui composent une carte Bow and Arrow</translation>
    </message>
    <message>
        <source>A Shopper map as a street of shops (City) or as a maze of arcades (Maze)</source>
        <translation>Une carte Shopper en rue commerçante (Ville) ou en labyrinthe de galeries (Labyrinthe)</translation>
    </message>
    <message>
        <source>What the forts are built of</source>
        <translation>Le matériau des forts</translation>
    </message>
    <message>
        <source>How round the race course&apos;s corners are</source>
        <translation>L&apos;arrondi des virages du circuit</translation>
    </message>
    <message>
        <source>Keep this map&apos;s seed: Generate makes the same map again with the settings changed</source>
        <translation>Garder la graine de cette carte : Générer refait la même carte avec les réglages changés</translation>
    </message>
    <message>
        <source>With Modify: give the fort a new hill</source>
        <translation>Avec Modifier : donner une nouvelle colline au fort</translation>
    </message>
    <message>
        <source>Soil only: no grass on top and no roots below</source>
        <translation>Sol seul : pas d&apos;herbe dessus ni de racines dessous</translation>
    </message>
    <message>
        <source>Make the left half and mirror it onto the right: a map even for two teams</source>
        <translation>Créer la moitié gauche et la refléter à droite : une carte équilibrée pour deux équipes</translation>
    </message>
    <message>
        <source>How many teams the room and balance figures are for (Playable Candidates keeps maps fair for them)</source>
        <translation>Pour combien d&apos;équipes la place et l&apos;équilibre sont donnés (Candidates jouables ne garde que les cartes équitables pour elles)</translation>
    </message>
    <message>
        <source>Show the map&apos;s empty space white in the saved previews</source>
        <translation>Montrer en blanc l&apos;espace vide de la carte dans les aperçus enregistrés</translation>
    </message>
    <message>
        <source>Save the map with all its colours instead of 64</source>
        <translation>Enregistrer la carte avec toutes ses couleurs au lieu de 64</translation>
    </message>
    <message>
        <source>The colour of the water under the map in the game</source>
        <translation>La couleur de l&apos;eau sous la carte dans le jeu</translation>
    </message>
    <message>
        <source>Open a saved map (Ctrl+O)</source>
        <translation>Ouvrir une carte enregistrée (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the map as a new file</source>
        <translation>Enregistrer la carte dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Edit which colours of the map are destructible, tough or indestructible (IndiMask)</source>
        <translation>Choisir quelles couleurs de la carte sont destructibles, résistantes ou indestructibles (IndiMask)</translation>
    </message>
    <message>
        <source>How wide the map is, in pixels</source>
        <translation>La largeur de la carte, en pixels</translation>
    </message>
    <message>
        <source>How high the map is, in pixels</source>
        <translation>La hauteur de la carte, en pixels</translation>
    </message>
    <message>
        <source>How wide the passages are</source>
        <translation>La largeur des passages</translation>
    </message>
    <message>
        <source>How many islands or caves the map has</source>
        <translation>Le nombre d&apos;îles ou de grottes de la carte</translation>
    </message>
    <message>
        <source>How winding the land is: more points on its outline, or more turns in the course</source>
        <translation>Le tracé plus ou moins tourmenté du terrain : plus de points sur son contour, ou plus de virages sur le circuit</translation>
    </message>
    <message>
        <source>How many decorations stand on the land</source>
        <translation>Le nombre de décorations posées sur le terrain</translation>
    </message>
    <message>
        <source>How many pictures the map holds</source>
        <translation>Le nombre d&apos;images de la carte</translation>
    </message>
    <message>
        <source>How many weapon crates the building has</source>
        <translation>Le nombre de caisses d&apos;armes du bâtiment</translation>
    </message>
    <message>
        <source>How many rows of tiles at the bottom are filled with land</source>
        <translation>Le nombre de rangées de tuiles remplies de terrain en bas</translation>
    </message>
    <message>
        <source>Put every setting back as it was when the program started</source>
        <translation>Remettre tous les réglages comme au lancement du programme</translation>
    </message>
    <message>
        <source>Make a new map with these settings (Ctrl+G or F5)</source>
        <translation>Créer une nouvelle carte avec ces réglages (Ctrl+G ou F5)</translation>
    </message>
    <message>
        <source>The map: drag to move it, turn the wheel to zoom</source>
        <translation>La carte : faites-la glisser pour la déplacer, tournez la molette pour zoomer</translation>
    </message>
    <message>
        <source>The chosen theme&apos;s soil</source>
        <translation>Le sol du thème choisi</translation>
    </message>
    <message>
        <source>The chosen style&apos;s pictures</source>
        <translation>Les images du style choisi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Open &amp;Code...</source>
        <translation>Ouvrir un c&amp;ode…</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Récents</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;IndiMask</source>
        <translation>&amp;IndiMask</translation>
    </message>
    <message>
        <source>Copy Map &amp;Code</source>
        <translation>Copier le &amp;code de carte</translation>
    </message>
    <message>
        <source>&amp;Candidates...</source>
        <translation>Ca&amp;ndidates…</translation>
    </message>
    <message>
        <source>&amp;Playable Candidates...</source>
        <translation>Candidates &amp;jouables…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Fo&amp;rward</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>%s, seed %u</source>
        <translation>%s, graine %u</translation>
    </message>
    <message>
        <source>No maps yet</source>
        <translation>Pas encore de carte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Drag to move the map, turn the wheel to zoom</source>
        <translation>Faites glisser pour déplacer la carte, tournez la molette pour zoomer</translation>
    </message>
    <message>
        <source>Standing places: spots a character stands on, 40 px apart. Reachable: how many of them reach each other through air. Course: the narrowest width of a race or maze.</source>
        <translation>Emplacements : endroits où un personnage tient debout, espacés de 40 px. Atteignables : combien se rejoignent par les airs. Parcours : la largeur la plus étroite d&apos;une course ou d&apos;un labyrinthe.</translation>
    </message>
    <message>
        <source>The map before this one in this session (Alt+Left)</source>
        <translation>La carte précédente de cette session (Alt+Gauche)</translation>
    </message>
    <message>
        <source>The next map of this session (Alt+Right)</source>
        <translation>La carte suivante de cette session (Alt+Droite)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Show the whole map (Ctrl+0)</source>
        <translation>Montrer toute la carte (Ctrl+0)</translation>
    </message>
    <message>
        <source>One map pixel per screen pixel (Ctrl+1)</source>
        <translation>Un pixel de carte par pixel d&apos;écran (Ctrl+1)</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+-, or the mouse wheel)</source>
        <translation>Zoom arrière (Ctrl+- ou la molette)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl++, or the mouse wheel)</source>
        <translation>Zoom avant (Ctrl++ ou la molette)</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>While a slider or list changes, make the map on screen again with its seed at once (maps over %lld million pixels wait for Generate)</source>
        <translation>Pendant qu&apos;un curseur ou une liste change, refaire aussitôt la carte affichée avec sa graine (les cartes de plus de %lld millions de pixels attendent Générer)</translation>
    </message>
    <message>
        <source>Output Parameters</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Edit the map&apos;s destructible, tough and indestructible colours (IndiMask)</source>
        <translation>Modifier les couleurs destructibles, résistantes et indestructibles de la carte (IndiMask)</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de carte</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Thème :</translation>
    </message>
    <message>
        <source>Algorithm:</source>
        <translation>Algorithme :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposition :</translation>
    </message>
    <message>
        <source>Brick:</source>
        <translation>Brique :</translation>
    </message>
    <message>
        <source>Smoothing:</source>
        <translation>Lissage :</translation>
    </message>
    <message>
        <source>new seed each time</source>
        <translation>une nouvelle graine à chaque fois</translation>
    </message>
    <message>
        <source>Type a seed to make that map again (as brambex --seed does); Enter generates it</source>
        <translation>Tapez une graine pour refaire cette carte (comme brambex --seed) ; Entrée la génère</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine :</translation>
    </message>
    <message>
        <source>The seed of the map shown</source>
        <translation>La graine de la carte affichée</translation>
    </message>
    <message>
        <source>Map seed</source>
        <translation>Graine de la carte</translation>
    </message>
    <message>
        <source>Map seed:</source>
        <translation>Graine de la carte :</translation>
    </message>
    <message>
        <source>Map code</source>
        <translation>Code de carte</translation>
    </message>
    <message>
        <source>The code of the map shown: every value it was made from. Paste it into File &gt; Open Code, or give it to brambex --code, to make the same map</source>
        <translation>Le code de la carte affichée : toutes les valeurs dont elle est faite. Collez-le dans Fichier &gt; Ouvrir un code, ou donnez-le à brambex --code, pour refaire la même carte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the map&apos;s code (Ctrl+Shift+C)</source>
        <translation>Copier le code de la carte (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>Copy map code</source>
        <translation>Copier le code de carte</translation>
    </message>
    <message>
        <source>Map code:</source>
        <translation>Code de carte :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop making this map; the map shown before stays (Esc)</source>
        <translation>Arrêter cette carte ; la carte affichée avant reste (Échap)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Path size</source>
        <translation>Largeur des passages</translation>
    </message>
    <message>
        <source>Islands or caves</source>
        <translation>Îles ou grottes</translation>
    </message>
    <message>
        <source>Complexity</source>
        <translation>Complexité</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Weapon pads</source>
        <translation>Emplacements d&apos;armes</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Type de carte</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Algorithm</source>
        <translation>Algorithme</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Brick</source>
        <translation>Brique</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Save the settings of this map type</source>
        <translation>Enregistrer les réglages de ce type de carte</translation>
    </message>
    <message>
        <source>Edit the IndiMask</source>
        <translation>Modifier l&apos;IndiMask</translation>
    </message>
    <message>
        <source>Map preview</source>
        <translation>Aperçu de la carte</translation>
    </message>
    <message>
        <source>Teams the figures are for</source>
        <translation>Équipes auxquelles s&apos;appliquent les chiffres</translation>
    </message>
    <message>
        <source>%s value</source>
        <translation>%s (valeur)</translation>
    </message>
    <message>
        <source>%s (type a value)</source>
        <translation>%s (tapez une valeur)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>Water:</source>
        <translation>Eau :</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Herbe</translation>
    </message>
    <message>
        <source>No Top Soil</source>
        <translation>Sans couche d&apos;herbe</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Show &amp;Transparency</source>
        <translation>Afficher la trans&amp;parence</translation>
    </message>
    <message>
        <source>Force Full Colour</source>
        <translation>Forcer toutes les couleurs</translation>
    </message>
    <message>
        <source>Objects:</source>
        <translation>Objets :</translation>
    </message>
    <message>
        <source>Pads:</source>
        <translation>Emplacements :</translation>
    </message>
    <message>
        <source>Padding:</source>
        <translation>Remplissage :</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>Complexité :</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Path Size:</source>
        <translation>Largeur des passages :</translation>
    </message>
    <message>
        <source>Num Islands:</source>
        <translation>Nombre d&apos;îles :</translation>
    </message>
    <message>
        <source>Num Caves:</source>
        <translation>Nombre de grottes :</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>&amp;Reset All</source>
        <translation>&amp;Tout réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>&amp;Enregistrer la carte</translation>
    </message>
    <message>
        <source>&amp;Load Map</source>
        <translation>&amp;Charger une carte</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Random Spread</source>
        <translation>Dispersion aléatoire</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Balles</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Pool Balls</source>
        <translation>Boules de billard</translation>
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
        <translation>Espace</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Arêtes</translation>
    </message>
    <message>
        <source>Smoothe</source>
        <translation>Lisse</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixte</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>White Stone</source>
        <translation>Pierre blanche</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinthe</translation>
    </message>
    <message numerus="yes">
        <source>for %n teams</source>
        <translation>
            <numerusform>pour %n équipe</numerusform>
            <numerusform>pour %n équipes</numerusform>
        </translation>
    </message>
    <message>
        <source>Error in Game Type</source>
        <translation>Erreur dans le type de carte</translation>
    </message>
    <message>
        <source>Balls Selected</source>
        <translation>Balles choisies</translation>
    </message>
    <message>
        <source>Matrix Selected</source>
        <translation>Matrice choisie</translation>
    </message>
    <message>
        <source>Pool Selected</source>
        <translation>Billard choisi</translation>
    </message>
    <message>
        <source>Rugby Selected</source>
        <translation>Rugby choisi</translation>
    </message>
    <message>
        <source>Smilies Selected</source>
        <translation>Smileys choisis</translation>
    </message>
    <message>
        <source>Space Selected</source>
        <translation>Espace choisi</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Exception</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire épuisée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Brick Changed</source>
        <translation>Brique changée</translation>
    </message>
    <message>
        <source>Settings saved for %s</source>
        <translation>Réglages enregistrés pour %s</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%s carries a map code of another map (seed %u): its controls are not restored from it.</source>
        <translation>%s porte le code d&apos;une autre carte (graine %u) : les réglages n&apos;en sont pas restaurés.</translation>
    </message>
    <message>
        <source>%s: %s Generate with Modify makes this version&apos;s map of its settings.</source>
        <translation>%s : %s Générer avec Modifier fait la carte de cette version à partir de ses réglages.</translation>
    </message>
    <message>
        <source>%s has no map code: its seed, type, theme and size are restored.</source>
        <translation>%s n&apos;a pas de code de carte : sa graine, son type, son thème et sa taille sont restaurés.</translation>
    </message>
    <message>
        <source>%s has no map code: its seed, type, theme and size are restored, its %s are not known (the controls keep theirs).</source>
        <translation>%s n&apos;a pas de code de carte : sa graine, son type, son thème et sa taille sont restaurés ; %s ne sont pas connus (les réglages gardent les leurs).</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Îles</translation>
    </message>
    <message>
        <source>Pads</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>it goes from %d to %d</source>
        <translation>il va de %d à %d</translation>
    </message>
    <message>
        <source>sizes go in steps of 8</source>
        <translation>les tailles vont par pas de 8</translation>
    </message>
    <message>
        <source>%s %d is made as %d: %s</source>
        <translation>%s %d devient %d : %s</translation>
    </message>
    <message>
        <source>The value</source>
        <translation>La valeur</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 4294967295.</source>
        <translation>La graine doit être un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>Live is paused: the map has editor changes that are not saved. Save them, or press Generate.</source>
        <translation>Le direct est en pause : la carte a des modifications de l&apos;éditeur non enregistrées. Enregistrez-les, ou appuyez sur Générer.</translation>
    </message>
    <message>
        <source>Generating %s %d x %d</source>
        <translation>Génération de %s %d × %d</translation>
    </message>
    <message>
        <source>No candidates</source>
        <translation>Aucune candidate</translation>
    </message>
    <message>
        <source>Missing files</source>
        <translation>Fichiers manquants</translation>
    </message>
    <message>
        <source>The map could not be made.</source>
        <translation>La carte n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Generation cancelled</source>
        <translation>Génération annulée</translation>
    </message>
    <message>
        <source>%s map, seed %u</source>
        <translation>Carte %s, graine %u</translation>
    </message>
    <message>
        <source>Map Code</source>
        <translation>Code de carte</translation>
    </message>
    <message>
        <source>Make this version&apos;s map of the same settings instead? It is not the map of the code.</source>
        <translation>Créer à la place la carte de cette version avec les mêmes réglages ? Ce n&apos;est pas la carte du code.</translation>
    </message>
    <message>
        <source>The code is for a %s map, and %s is not installed.</source>
        <translation>Le code est celui d&apos;une carte %s, et %s n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The code&apos;s theme is not installed here (%d themes are), so its map cannot be made.</source>
        <translation>Le thème du code n&apos;est pas installé ici (%d thèmes le sont) : sa carte ne peut pas être créée.</translation>
    </message>
    <message>
        <source>The code&apos;s map is %d x %d, %lld million pixels: making it needs about %lld GB of memory and may take minutes. Make it?</source>
        <translation>La carte du code fait %d × %d, %lld millions de pixels : elle demande environ %lld Go de mémoire et peut prendre des minutes. La créer ?</translation>
    </message>
    <message>
        <source>Undone: an editor change</source>
        <translation>Annulé : une modification de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Redone: an editor change</source>
        <translation>Rétabli : une modification de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Saved %s</source>
        <translation>%s enregistré</translation>
    </message>
    <message>
        <source>A picture, not a map of ours (no seed, no code)</source>
        <translation>Une image, pas une de nos cartes (ni graine, ni code)</translation>
    </message>
    <message>
        <source>%s has no map record: it carries no seed, type or theme.</source>
        <translation>%s n&apos;a pas de données de carte : ni graine, ni type, ni thème.</translation>
    </message>
    <message>
        <source>%s is not a map the program can read.</source>
        <translation>%s n&apos;est pas une carte que le programme sait lire.</translation>
    </message>
    <message>
        <source>%s is %d x %d, %lld million pixels: showing it needs about %lld GB of memory and may take a while. Load it?</source>
        <translation>%s fait %d × %d, %lld millions de pixels : l&apos;afficher demande environ %lld Go de mémoire et peut prendre du temps. La charger ?</translation>
    </message>
    <message>
        <source>State Reset</source>
        <translation>Réinitialisé</translation>
    </message>
    <message numerus="yes">
        <source>%n candidates: pick one</source>
        <translation>
            <numerusform>%n candidate : choisissez-la</numerusform>
            <numerusform>%n candidates : choisissez-en une</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n pictures left out, over the size limit: %s)</source>
        <translation>
            <numerusform> (%n image laissée de côté, au-delà de la taille limite : %s)</numerusform>
            <numerusform> (%n images laissées de côté, au-delà de la taille limite : %s)</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not move %1 to %2: %3</source>
        <translation>%1 konnte nicht nach %2 verschoben werden: %3</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another program, so Mirvale leaves it as it is. Rename or remove it to let Mirvale start at login.</source>
        <translation>%1 gehört zu einem anderen Programm, daher lässt Mirvale es unverändert. Benennen Sie es um oder entfernen Sie es, damit Mirvale bei der Anmeldung startet.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BrowseCardPanel</name>
    <message>
        <source>Browse Card</source>
        <translation>Karte durchsuchen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message>
        <source>Zero KB</source>
        <translation>Null KB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size below a kilobyte, such as &quot;512 bytes&quot;.</extracomment>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is the size&apos;s number, such as &quot;31.9&quot;.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 PB</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 EB</translation>
    </message>
</context>
<context>
    <name>CardFolderBrowser</name>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
</context>
<context>
    <name>CardLineTitle</name>
    <message>
        <source>%1 — ejected by the system, pull it out and reinsert</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 – vom System ausgeworfen, herausziehen und wieder einlegen</translation>
    </message>
    <message>
        <source>%1 — unmounted</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 – ausgehängt</translation>
    </message>
    <message>
        <source>%1 — free space unknown</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 – freier Speicher unbekannt</translation>
    </message>
    <message>
        <source>%1 — %2 free</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name, %2 its free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 – %2 frei</translation>
    </message>
</context>
<context>
    <name>CardReportText</name>
    <message>
        <source>Opened %1</source>
        <extracomment>%1 is the folder that the file manager shows, such as &quot;EOS_DIGITAL/DCIM/101CANON&quot;.</extracomment>
        <translation>Geöffnet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>%1 is the card&apos;s free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 frei</translation>
    </message>
</context>
<context>
    <name>CardRequests</name>
    <message>
        <source>no command runner</source>
        <translation>keine Befehlsausführung verfügbar</translation>
    </message>
    <message>
        <source>%1 was stopped at quit</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>%1 wurde beim Beenden angehalten</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not finish within %n seconds</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>
            <numerusform>%1 wurde nicht innerhalb von %n Sekunde abgeschlossen</numerusform>
            <numerusform>%1 wurde nicht innerhalb von %n Sekunden abgeschlossen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>%1 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 exited with status %2</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;; %2 a number.</extracomment>
        <translation>%1 wurde mit Status %2 beendet</translation>
    </message>
    <message>
        <source>the disk session stopped before %1 finished mounting or unmounting</source>
        <extracomment>%1 is the card&apos;s name or device.</extracomment>
        <translation>die Datenträgersitzung endete, bevor %1 fertig ein- oder ausgehängt war</translation>
    </message>
    <message numerus="yes">
        <source>the disk system did not respond within %n seconds</source>
        <translation>
            <numerusform>der Datenträgerdienst hat nicht innerhalb von %n Sekunde geantwortet</numerusform>
            <numerusform>der Datenträgerdienst hat nicht innerhalb von %n Sekunden geantwortet</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk session stopped before %1 could be unmounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>die Datenträgersitzung endete, bevor %1 ausgehängt werden konnte</translation>
    </message>
    <message>
        <source>could not create a disk reference for %1</source>
        <translation>für %1 konnte kein Datenträgerverweis angelegt werden</translation>
    </message>
    <message>
        <source>no mount path to unmount</source>
        <translation>kein Einhängepunkt zum Aushängen</translation>
    </message>
</context>
<context>
    <name>CardUnmounter</name>
    <message>
        <source>%1 is using %2: close its window on the card, then Unmount again</source>
        <extracomment>%1: a program (&quot;Dolphin&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 verwendet %2: Schließen Sie dessen Fenster auf der Karte und wählen Sie dann erneut „Aushängen“</translation>
    </message>
    <message>
        <source>%1 are using %2: close their windows on the card, then Unmount again</source>
        <extracomment>%1: programs (&quot;Dolphin and Konsole&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 verwenden %2: Schließen Sie deren Fenster auf der Karte und wählen Sie dann erneut „Aushängen“</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: mirvale [OPTION...]
Waits for camera cards and shows each one&apos;s pictures in the file manager.

Options:
  -h, --help                        show this summary and exit
  --version                         show the version and exit
  --snapshot-settings FILE [light]  draw the settings window into FILE (PNG) and exit

Qt&apos;s own options are accepted too: -platform NAME, -display DISPLAY, -style STYLE, -session ID and the others Qt documents.

Rules and settings: %1
Log: %2
</source>
        <translation>Aufruf: mirvale [OPTION...]
Wartet auf Kamerakarten und zeigt die Bilder jeder Karte in der Dateiverwaltung.

Optionen:
  -h, --help                        diese Übersicht anzeigen und beenden
  --version                         die Version anzeigen und beenden
  --snapshot-settings FILE [light]  das Einstellungsfenster in FILE (PNG) zeichnen und beenden

Auch Qts eigene Optionen werden angenommen: -platform NAME, -display DISPLAY, -style STYLE, -session ID und die übrigen, die Qt dokumentiert.

Regeln und Einstellungen: %1
Protokoll: %2
</translation>
    </message>
    <message>
        <source>mirvale: unknown option %1</source>
        <translation>mirvale: unbekannte Option %1</translation>
    </message>
</context>
<context>
    <name>ControlCommands</name>
    <message>
        <source>Mirvale is not running</source>
        <translation>Mirvale läuft nicht</translation>
    </message>
    <message>
        <source>cards takes only --json</source>
        <translation>cards nimmt nur --json an</translation>
    </message>
    <message>
        <source>open takes one CARD</source>
        <translation>open erwartet eine CARD</translation>
    </message>
    <message>
        <source>eject takes one CARD</source>
        <translation>eject erwartet eine CARD</translation>
    </message>
    <message>
        <source>get takes one KEY</source>
        <translation>get erwartet einen KEY</translation>
    </message>
    <message>
        <source>set takes a KEY and a VALUE</source>
        <translation>set erwartet einen KEY und einen VALUE</translation>
    </message>
    <message>
        <source>Commands for the running Mirvale:
  cards [--json]                     list the cards, as the menu shows them
  open CARD                          open a card (a name, mount path or device),
                                     mounting it first when needed
  eject CARD                         unmount a card
  pause | resume                     stop or go on watching for cards
  settings                           show the settings window
  get KEY                            print a setting&apos;s value
  set KEY VALUE                      change a setting (true or false; reportWith:
                                     panels or desktop)
Exit status: 1 refused (the reason on standard error), 4 Mirvale is not running.
</source>
        <translation>Befehle für das laufende Mirvale:
  cards [--json]                     die Karten auflisten, wie das Menü sie zeigt
  open CARD                          eine Karte öffnen (ein Name, Einhängepunkt oder Gerät),
                                     bei Bedarf zuvor einhängen
  eject CARD                         eine Karte aushängen
  pause | resume                     die Überwachung der Karten anhalten oder fortsetzen
  settings                           das Einstellungsfenster anzeigen
  get KEY                            den Wert einer Einstellung ausgeben
  set KEY VALUE                      eine Einstellung ändern (true oder false; reportWith:
                                     panels oder desktop)
Exit-Status: 1 abgelehnt (der Grund in der Standardfehlerausgabe), 4 Mirvale läuft nicht.
</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 nimmt keine Argumente an</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
</context>
<context>
    <name>ControlInterface</name>
    <message>
        <source>No card matches &quot;%1&quot;; name a card by its name, mount path or device</source>
        <extracomment>%1 is what the caller named the card.</extracomment>
        <translation>Keine Karte passt zu „%1“; geben Sie eine Karte mit ihrem Namen, Einhängepunkt oder Gerät an</translation>
    </message>
    <message>
        <source>no outcome within %1; the card may still open</source>
        <extracomment>%1 is a time, such as &quot;45s&quot;.</extracomment>
        <translation>kein Ergebnis innerhalb von %1; die Karte wird möglicherweise noch geöffnet</translation>
    </message>
    <message>
        <source>%1 is not mounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 ist nicht eingehängt</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays paused</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>die Einstellungen konnten nicht gespeichert werden; Mirvale bleibt angehalten</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays watching</source>
        <translation>die Einstellungen konnten nicht gespeichert werden; Mirvale überwacht weiter</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays paused</source>
        <translation>die Einstellungen konnten nicht gespeichert werden (%1); Mirvale bleibt angehalten</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays watching</source>
        <translation>die Einstellungen konnten nicht gespeichert werden (%1); Mirvale überwacht weiter</translation>
    </message>
</context>
<context>
    <name>ControlTool</name>
    <message>
        <source>usage: mirvalectl COMMAND [OPTIONS]

Commands:
  validate FILE                      check a rules file (rules.json or an export)
  resolve --rules FILE [--name NAME] CARD_DIR
                                     show what Mirvale would open for a card

Run &apos;mirvalectl COMMAND --help&apos; for the details of a command.
</source>
        <translation>Aufruf: mirvalectl COMMAND [OPTIONS]

Befehle:
  validate FILE                      eine Regeldatei prüfen (rules.json oder ein Export)
  resolve --rules FILE [--name NAME] CARD_DIR
                                     zeigen, was Mirvale für eine Karte öffnen würde

Mit &apos;mirvalectl COMMAND --help&apos; erhalten Sie die Einzelheiten eines Befehls.
</translation>
    </message>
    <message>
        <source>usage: mirvalectl validate FILE

Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.
Prints one line per finding, in order, as &apos;error: MESSAGE&apos; or &apos;warning: MESSAGE&apos;.

Exit status: 0 no errors (warnings allowed), 1 at least one error,
2 the file cannot be read or is not a rules file.
</source>
        <translation>Aufruf: mirvalectl validate FILE

Liest FILE als Mirvale-Regeldatei und prüft die Regeln wie das Einstellungsfenster.
Gibt eine Zeile je Befund aus, der Reihe nach, als &apos;error: MESSAGE&apos; oder &apos;warning: MESSAGE&apos;.

Exit-Status: 0 keine Fehler (Warnungen erlaubt), 1 mindestens ein Fehler,
2 die Datei kann nicht gelesen werden oder ist keine Regeldatei.
</translation>
    </message>
    <message>
        <source>usage: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR

Treats CARD_DIR as a mounted card named VOLUME_NAME (default: the last component of
CARD_DIR), chooses the first matching rule of FILE and resolves the folder to open.
Prints one JSON object: rule, ruleId, folder, relativePath, usedFallbackToRoot,
newestFolderName, newestFile, note and call (the org.freedesktop.FileManager1 method
Mirvale calls for it, with its URIs, startup id and the window placement it then
applies; try it with dbus-send).
Diagnostics go to standard error in the log&apos;s line format.

Exit status: 0 a rule matched, 3 no rule matched, 2 unreadable or undecodable FILE,
or CARD_DIR is not a directory.
</source>
        <translation>Aufruf: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR

Behandelt CARD_DIR als eingehängte Karte namens VOLUME_NAME (Vorgabe: der letzte Bestandteil von
CARD_DIR), wählt die erste passende Regel aus FILE und ermittelt den zu öffnenden Ordner.
Gibt ein JSON-Objekt aus: rule, ruleId, folder, relativePath, usedFallbackToRoot,
newestFolderName, newestFile, note und call (die Methode von org.freedesktop.FileManager1,
die Mirvale dafür aufruft, mit ihren URIs, der Start-ID und der Fensterplatzierung, die es
dann anwendet; probieren Sie sie mit dbus-send aus).
Diagnosemeldungen gehen im Zeilenformat des Protokolls in die Standardfehlerausgabe.

Exit-Status: 0 eine Regel hat gepasst, 3 keine Regel hat gepasst, 2 FILE nicht lesbar oder
nicht dekodierbar, oder CARD_DIR ist kein Verzeichnis.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>validate takes exactly one FILE</source>
        <translation>validate erwartet genau eine FILE</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>validate needs a FILE</source>
        <translation>validate benötigt eine FILE</translation>
    </message>
    <message>
        <source>error: %1</source>
        <extracomment>A finding of `mirvalectl validate`; %1 is its message.</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>resolve takes one CARD_DIR</source>
        <translation>resolve erwartet ein CARD_DIR</translation>
    </message>
    <message>
        <source>resolve needs --rules FILE</source>
        <translation>resolve benötigt --rules FILE</translation>
    </message>
    <message>
        <source>resolve needs a CARD_DIR</source>
        <translation>resolve benötigt ein CARD_DIR</translation>
    </message>
    <message>
        <source>%1 is not a directory</source>
        <translation>%1 ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not UTF-8; Mirvale reads only names in UTF-8</source>
        <translation>das Argument „%1“ ist kein UTF-8; Mirvale liest Namen nur in UTF-8</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
</context>
<context>
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 antwortet nicht: Ziehen Sie die Karte heraus und legen Sie sie erneut ein</translation>
    </message>
    <message>
        <source>%1 was removed before it could be opened</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 wurde entfernt, bevor die Karte geöffnet werden konnte</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Mirvale settings</source>
        <translation>Mirvale-Einstellungen</translation>
    </message>
    <message>
        <source>Your change could not be saved: %1</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>Ihre Änderung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 is ejected (powered down but still in the slot); reinsert it to use it</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 ist ausgeworfen (abgeschaltet, aber noch im Steckplatz); legen Sie die Karte erneut ein, um sie zu verwenden</translation>
    </message>
    <message>
        <source>no readable card was found at %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>unter %1 wurde keine lesbare Karte gefunden</translation>
    </message>
    <message>
        <source>That card is no longer mounted.</source>
        <translation>Diese Karte ist nicht mehr eingehängt.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Unmounted. The card can be removed.</source>
        <translation>Ausgehängt. Die Karte kann entfernt werden.</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Ordner anzeigen</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Aushängen</translation>
    </message>
</context>
<context>
    <name>FileManagerErrors</name>
    <message>
        <source>the file manager quit during the call</source>
        <translation>die Dateiverwaltung wurde während des Aufrufs beendet</translation>
    </message>
    <message>
        <source>unknown file manager error</source>
        <translation>unbekannter Fehler der Dateiverwaltung</translation>
    </message>
    <message>
        <source>No file manager is available to show folders. Mirvale needs one that offers org.freedesktop.FileManager1 on the desktop session; start or install one.</source>
        <translation>Keine Dateiverwaltung kann Ordner anzeigen. Mirvale benötigt eine, die org.freedesktop.FileManager1 in der Sitzung der Arbeitsumgebung anbietet; starten oder installieren Sie eine.</translation>
    </message>
</context>
<context>
    <name>FileManagerStatus</name>
    <message>
        <source>File manager: —</source>
        <translation>Dateiverwaltung: —</translation>
    </message>
    <message>
        <source>File manager: Checking…</source>
        <translation>Dateiverwaltung: Wird geprüft…</translation>
    </message>
    <message>
        <source>File manager: found</source>
        <translation>Dateiverwaltung: gefunden</translation>
    </message>
    <message>
        <source>File manager: %1</source>
        <extracomment>%1 is the file manager&apos;s name, as &quot;Files&quot; or &quot;Dolphin&quot;.</extracomment>
        <translation>Dateiverwaltung: %1</translation>
    </message>
    <message>
        <source>File manager: none found</source>
        <translation>Dateiverwaltung: keine gefunden</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Another Application May Also Open</source>
        <translation>Möglicherweise öffnet sich auch eine andere Anwendung</translation>
    </message>
    <message>
        <source>Open Removable Media Settings</source>
        <translation>Einstellungen für Wechselmedien öffnen</translation>
    </message>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off “Browse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
        <translation>Xfce öffnet beim Einlegen einer Karte möglicherweise ebenfalls ein Fenster oder bietet an, Fotos zu importieren, und diese Einstellung gilt für alle Laufwerke und Medien, nicht nur für Kamerakarten. Um das abzustellen: Öffnen Sie „Wechseldatenträger- und Medieneinstellungen“ und schalten Sie „Wechselmedien beim Einlegen öffnen“ und unter „Kameras“ „Nach dem Verbinden digitale Fotos importieren“ aus.</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open your desktop’s settings, find what happens when media is inserted, and choose to do nothing for photos.</source>
        <translation>Ihre Arbeitsumgebung öffnet beim Einlegen einer Karte möglicherweise ebenfalls ein Fenster oder eine Anwendung. So verhindern Sie das: Öffnen Sie die Einstellungen Ihrer Arbeitsumgebung, suchen Sie, was beim Einlegen von Medien geschieht, und wählen Sie für Fotos „Nichts tun“.</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open Removable Media in Settings and set “Photos” to “Do nothing”.</source>
        <translation>Ihre Arbeitsumgebung öffnet beim Einlegen einer Karte möglicherweise ebenfalls ein Fenster oder eine Anwendung. So verhindern Sie das: Öffnen Sie in den Einstellungen „Wechselmedien“ und setzen Sie „Fotos“ auf „Nichts tun“.</translation>
    </message>
</context>
<context>
    <name>HintBar</name>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>JsonDocument</name>
    <message>
        <source>The data could not be read as JSON: %1</source>
        <translation>Die Daten konnten nicht als JSON gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>JsonGuard</name>
    <message>
        <source>The member %1 appears twice in the same object%2.</source>
        <extracomment>%1 is the member&apos;s name, %2 where the object is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>Das Element %1 kommt zweimal im selben Objekt vor%2.</translation>
    </message>
    <message>
        <source>The data is not valid JSON: %1</source>
        <extracomment>%1 is the JSON parser&apos;s own message.</extracomment>
        <translation>Die Daten sind kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>The data is nested more than %1 levels deep%2.</source>
        <extracomment>%1 is a number of levels, %2 where the data is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>Die Daten sind mehr als %1 Ebenen tief verschachtelt%2.</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> bei %1</translation>
    </message>
    <message>
        <source>The data is not valid JSON: a NUL byte at offset %1.</source>
        <translation>Die Daten sind kein gültiges JSON: ein NUL-Byte an Position %1.</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>Die Daten sind kein gültiges JSON.</translation>
    </message>
</context>
<context>
    <name>MirvaleError</name>
    <message>
        <source>File manager error: %1</source>
        <extracomment>%1 is the file manager&apos;s own message.</extracomment>
        <translation>Fehler der Dateiverwaltung: %1</translation>
    </message>
    <message>
        <source>Folder not found: %1</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Disk error: %1</source>
        <extracomment>%1 is the disk service&apos;s own message.</extracomment>
        <translation>Datenträgerfehler: %1</translation>
    </message>
    <message>
        <source>The file manager did not respond in time.</source>
        <translation>Die Dateiverwaltung hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>No rule matches this card.</source>
        <translation>Keine Regel passt zu dieser Karte.</translation>
    </message>
    <message>
        <source>Mirvale is not allowed to control the file manager. Allow it in the desktop’s settings, or install or start another file manager.</source>
        <translation>Mirvale darf die Dateiverwaltung nicht steuern. Erlauben Sie es in den Einstellungen der Arbeitsumgebung oder installieren oder starten Sie eine andere Dateiverwaltung.</translation>
    </message>
    <message>
        <source>Still waiting for the file manager to answer an earlier request.</source>
        <translation>Es wird noch auf die Antwort der Dateiverwaltung auf eine frühere Anfrage gewartet.</translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>Mirvale is running without a tray icon: open it from the applications menu to change its settings</source>
        <translation>Mirvale läuft ohne Symbol in der Kontrollleiste: Öffnen Sie es über das Anwendungsmenü, um seine Einstellungen zu ändern</translation>
    </message>
</context>
<context>
    <name>NotificationPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says as a report panel appears: the card&apos;s name, then the report.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it, and Unmount there unmounts it.</source>
        <translation>Mit der Tastatur: Die Zeile der Karte in Mirvales Menü in der Kontrollleiste öffnet sie, und „Aushängen“ dort hängt sie aus.</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it.</source>
        <translation>Mit der Tastatur: Die Zeile der Karte in Mirvales Menü in der Kontrollleiste öffnet sie.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Aushängen</translation>
    </message>
</context>
<context>
    <name>PosixFileAccess</name>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created: %2.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: it is not a regular file.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (%2 bytes; at most %3 are read).</source>
        <translation>Die Datei „%1“ ist zu groß (%2 Byte; höchstens %3 werden gelesen).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; grew too large while it was read.</source>
        <translation>Die Datei „%1“ ist beim Lesen zu groß geworden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be moved: %2.</source>
        <translation>Die Datei „%1“ konnte nicht verschoben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Photos (DCIM)</source>
        <translation>Fotos (DCIM)</translation>
    </message>
    <message>
        <source>AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)</source>
        <translation>AVCHD-Video (PRIVATE/AVCHD/BDMV/STREAM)</translation>
    </message>
    <message>
        <source>Sony XAVC (PRIVATE/M4ROOT/CLIP)</source>
        <translation>Sony XAVC (PRIVATE/M4ROOT/CLIP)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>Any card</source>
        <translation>Jede Karte</translation>
    </message>
    <message>
        <source>Card named %1</source>
        <extracomment>%1 is the card&apos;s name, as the rule matches it.</extracomment>
        <translation>Karte namens %1</translation>
    </message>
    <message>
        <source>%1 → newest, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → neuester Ordner, letzte Datei auswählen</translation>
    </message>
    <message>
        <source>%1 → newest</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → neuester Ordner</translation>
    </message>
    <message>
        <source>%1, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1, letzte Datei auswählen</translation>
    </message>
</context>
<context>
    <name>RuleEditorControls</name>
    <message>
        <source>&amp;Rule</source>
        <translation>&amp;Regel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>&amp;When a card is inserted</source>
        <translation>&amp;Wenn eine Karte eingelegt wird</translation>
    </message>
    <message>
        <source>Card named</source>
        <translation>Karte namens</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>Card name from a mounted card</source>
        <translation>Kartenname von einer eingehängten Karte</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Any card that contains the folder below</source>
        <translation>Jede Karte, die den folgenden Ordner enthält</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>The folder to open on the card</source>
        <translation>Der zu öffnende Ordner auf der Karte</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse card…</source>
        <translation>Karte &amp;durchsuchen…</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Then open the newest folder inside it</source>
        <translation>Dann den neuesten Ordner darin öffnen</translation>
    </message>
    <message>
        <source>Then select the newest file in that folder</source>
        <translation>Dann die neueste Datei in diesem Ordner auswählen</translation>
    </message>
    <message>
        <source>Wi&amp;ndow</source>
        <translation>Fe&amp;nster</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>Fenster platzieren</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
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
        <source>Ca&amp;pture from front file manager window</source>
        <translation>Aus dem vordersten Fenster der Dateiverwaltung &amp;übernehmen</translation>
    </message>
    <message>
        <source>Bring the window to the front</source>
        <translation>Fenster in den Vordergrund bringen</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Move the mouse to</source>
        <translation>Mauszeiger bewegen nach</translation>
    </message>
    <message>
        <source>&amp;Use current mouse position</source>
        <translation>&amp;Aktuelle Mausposition verwenden</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>&amp;Hide extras</source>
        <translation>Extras ausb&amp;lenden</translation>
    </message>
</context>
<context>
    <name>RuleEditorLogic</name>
    <message>
        <source>Smart (first that exists)</source>
        <translation>Automatisch (erster vorhandener Ordner)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Benutzerdefiniert…</translation>
    </message>
    <message>
        <source>Pick mounted card</source>
        <translation>Eingehängte Karte auswählen</translation>
    </message>
    <message>
        <source>Width and Height must be whole numbers from 200 to 20000.</source>
        <translation>Breite und Höhe müssen ganze Zahlen von 200 bis 20000 sein.</translation>
    </message>
    <message>
        <source>Left and Top must be whole numbers from -20000 to 20000.</source>
        <translation>Links und Oben müssen ganze Zahlen von -20000 bis 20000 sein.</translation>
    </message>
    <message>
        <source>X and Y must be whole numbers from -20000 to 20000.</source>
        <translation>X und Y müssen ganze Zahlen von -20000 bis 20000 sein.</translation>
    </message>
    <message>
        <source>That value is out of range.</source>
        <translation>Dieser Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Select a rule, or press + to add one.</source>
        <translation>Wählen Sie eine Regel aus oder drücken Sie +, um eine hinzuzufügen.</translation>
    </message>
    <message>
        <source>Couldn’t Read the File Manager Window</source>
        <translation>Das Fenster der Dateiverwaltung konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Couldn’t read the front file manager window. Make sure a file manager window is open and Mirvale is allowed to control the file manager.</source>
        <translation>Das vorderste Fenster der Dateiverwaltung konnte nicht gelesen werden. Stellen Sie sicher, dass ein Fenster der Dateiverwaltung geöffnet ist und Mirvale die Dateiverwaltung steuern darf.</translation>
    </message>
</context>
<context>
    <name>RuleListModel</name>
    <message>
        <source>Enabled: %1</source>
        <extracomment>What a screen reader says for a rule&apos;s check box; %1 is the rule&apos;s name.</extracomment>
        <translation>Aktiviert: %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A rule&apos;s second line: which cards it matches, then what it opens.</extracomment>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>RuleListPane</name>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it.</source>
        <translation>Die Pfeiltasten wählen eine Regel, die Leertaste schaltet sie ein oder aus, Alt+Hoch und Alt+Herunter verschieben sie, Entf entfernt sie.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s tooltip: what it does and its key, as &quot;Add rule (Ctrl+N)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>Karten beim Einlegen einhängen</translation>
    </message>
    <message>
        <source>When the desktop does not mount a card within moments of its insertion, Mirvale mounts it.</source>
        <translation>Wenn die Arbeitsumgebung eine Karte nicht kurz nach dem Einlegen einhängt, hängt Mirvale sie ein.</translation>
    </message>
    <message>
        <source>Show reports as:</source>
        <translation>Meldungen anzeigen als:</translation>
    </message>
    <message>
        <source>Show reports as</source>
        <translation>Meldungen anzeigen als</translation>
    </message>
    <message>
        <source>Mirvale&apos;s panels</source>
        <translation>Meldungsfenster von Mirvale</translation>
    </message>
    <message>
        <source>the desktop&apos;s notifications</source>
        <translation>Benachrichtigungen der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>Regel nach oben verschieben</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>Regel nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>All&amp;gemein</translation>
    </message>
    <message>
        <source>Open cards already inserted at launch</source>
        <translation>Beim Start bereits eingelegte Karten öffnen</translation>
    </message>
    <message>
        <source>Show a panel when a card opens</source>
        <translation>Ein Meldungsfenster anzeigen, wenn eine Karte geöffnet wird</translation>
    </message>
    <message>
        <source>Show Unmount in the menu</source>
        <translation>„Aushängen“ im Menü anzeigen</translation>
    </message>
</context>
<context>
    <name>RuleTransfer</name>
    <message>
        <source>Couldn’t import “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>„%1“ konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Couldn’t export “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>„%1“ konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>The file is not valid JSON (line %1, column %2).</source>
        <translation>Die Datei ist kein gültiges JSON (Zeile %1, Spalte %2).</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>Die Datei ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>Rule %1: %2.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 what is wrong with it.</extracomment>
        <translation>Regel %1: %2.</translation>
    </message>
    <message>
        <source>Rule %1, “%2”: %3.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 the setting&apos;s name as the file spells it, %3 what is wrong.</extracomment>
        <translation>Regel %1, „%2“: %3.</translation>
    </message>
</context>
<context>
    <name>RuleValidator</name>
    <message>
        <source>%1: %2 must be between %3 and %4.</source>
        <extracomment>%1 is the rule&apos;s name, %2 the value&apos;s name (&quot;placement width&quot;), %3 and %4 numbers.</extracomment>
        <translation>%1: %2 muss zwischen %3 und %4 liegen.</translation>
    </message>
    <message>
        <source>%1: rule name cannot be empty.</source>
        <translation>%1: Der Regelname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1: card name cannot be empty.</source>
        <translation>%1: Der Kartenname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot be empty.</source>
        <translation>%1: Der benutzerdefinierte Ordnerpfad darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1: custom folder path must be relative to the card, not absolute.</source>
        <translation>%1: Der benutzerdefinierte Ordnerpfad muss relativ zur Karte sein, nicht absolut.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot contain &quot;..&quot;.</source>
        <translation>%1: Der benutzerdefinierte Ordnerpfad darf kein &quot;..&quot; enthalten.</translation>
    </message>
    <message>
        <source>placement width</source>
        <translation>Breite der Fensterplatzierung</translation>
    </message>
    <message>
        <source>placement height</source>
        <translation>Höhe der Fensterplatzierung</translation>
    </message>
    <message>
        <source>placement left</source>
        <translation>linker Rand der Fensterplatzierung</translation>
    </message>
    <message>
        <source>placement top</source>
        <translation>oberer Rand der Fensterplatzierung</translation>
    </message>
    <message>
        <source>mouse warp x</source>
        <translation>x des Mauszeigerziels</translation>
    </message>
    <message>
        <source>mouse warp y</source>
        <translation>y des Mauszeigerziels</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches the same card and folder as &quot;%2&quot;.</source>
        <extracomment>%1 and %2 are rules&apos; names.</extracomment>
        <translation>„%1“ passt zu derselben Karte und demselben Ordner wie „%2“.</translation>
    </message>
    <message>
        <source>Untitled rule</source>
        <translation>Unbenannte Regel</translation>
    </message>
    <message>
        <source>%1: duplicate rule id.</source>
        <translation>%1: doppelte Regel-ID.</translation>
    </message>
    <message>
        <source>More than one &quot;any card, smart folder&quot; rule; only the first can ever match.</source>
        <translation>Mehr als eine Regel „jede Karte, automatischer Ordner“; nur die erste kann jemals passen.</translation>
    </message>
</context>
<context>
    <name>RulesFormat</name>
    <message>
        <source> at the top level</source>
        <translation> auf oberster Ebene</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> bei %1</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>einen Wahrheitswert</translation>
    </message>
    <message>
        <source>a number with a fraction or exponent</source>
        <translation>eine Zahl mit Nachkommastellen oder Exponent</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>an unsupported value</source>
        <translation>einen nicht unterstützten Wert</translation>
    </message>
    <message>
        <source>Expected %1 but found %2%3.</source>
        <extracomment>%1 and %2 are kinds of value (&quot;a string&quot;), %3 where it is (&quot; at rules[2].name&quot;).</extracomment>
        <translation>Erwartet wurde %1, gefunden wurde %2%3.</translation>
    </message>
    <message>
        <source>A required value is missing%1.</source>
        <extracomment>%1 is where the value is missing (&quot; at rules[2].name&quot;).</extracomment>
        <translation>Ein erforderlicher Wert fehlt%1.</translation>
    </message>
    <message>
        <source>The number %1 does not fit a 64-bit integer%2.</source>
        <extracomment>%1 is a number, %2 where it is (&quot; at rules[2].placement.left&quot;).</extracomment>
        <translation>Die Zahl %1 passt nicht in eine 64-Bit-Ganzzahl%2.</translation>
    </message>
    <message>
        <source>The rule id is not a UUID in 8-4-4-4-12 form%1.</source>
        <extracomment>%1 is where the id is (&quot; at rules[2].id&quot;).</extracomment>
        <translation>Die Regel-ID ist keine UUID in der Form 8-4-4-4-12%1.</translation>
    </message>
    <message>
        <source>Unknown VolumeMatch kind &quot;%1&quot;</source>
        <translation>Unbekannte VolumeMatch-Art „%1“</translation>
    </message>
    <message>
        <source>Unknown Preset &quot;%1&quot;%2.</source>
        <extracomment>%1 is the value found, %2 where it is (&quot; at rules[2].subfolder.preset&quot;).</extracomment>
        <translation>Unbekanntes Preset „%1“%2.</translation>
    </message>
    <message>
        <source>Unknown Subfolder kind &quot;%1&quot;</source>
        <translation>Unbekannte Subfolder-Art „%1“</translation>
    </message>
    <message>
        <source>an array of rules</source>
        <translation>ein Array von Regeln</translation>
    </message>
    <message>
        <source>a settings object</source>
        <translation>ein Einstellungsobjekt</translation>
    </message>
</context>
<context>
    <name>SettingKeys</name>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;</source>
        <translation>%1 nimmt true oder false an, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 takes panels or desktop, not &quot;%2&quot;</source>
        <translation>%1 nimmt panels oder desktop an, nicht „%2“</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; the settings are: %2</source>
        <translation>unbekannte Einstellung „%1“; die Einstellungen sind: %2</translation>
    </message>
</context>
<context>
    <name>SettingsBottomBar</name>
    <message>
        <source>Save the rules (%1)</source>
        <translation>Die Regeln speichern (%1)</translation>
    </message>
    <message>
        <source>&amp;Check…</source>
        <translation>&amp;Prüfen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SettingsDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Save Changes Before Importing?</source>
        <translation>Änderungen vor dem Importieren speichern?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules. Importing reloads the rules list from disk, so unsaved changes would be lost.</source>
        <translation>Sie haben ungespeicherte Änderungen an den Regeln von Mirvale. Beim Importieren wird die Regelliste neu von der Festplatte geladen, ungespeicherte Änderungen gingen dabei verloren.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Regeln importieren</translation>
    </message>
    <message>
        <source>Replace all existing rules, or add the imported ones to the list?</source>
        <translation>Alle vorhandenen Regeln ersetzen oder die importierten zur Liste hinzufügen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Export Rules</source>
        <translation>Regeln exportieren</translation>
    </message>
    <message>
        <source>Save changes to your rules?</source>
        <translation>Änderungen an Ihren Regeln speichern?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules.</source>
        <translation>Sie haben ungespeicherte Änderungen an den Regeln von Mirvale.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Can’t Save Rules</source>
        <translation>Regeln können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Mirvale Settings</source>
        <translation>Mirvale-Einstellungen</translation>
    </message>
</context>
<context>
    <name>SettingsWindowModel</name>
    <message>
        <source>Mirvale opens camera cards; the desktop leaves them alone</source>
        <translation>Mirvale öffnet Kamerakarten; die Arbeitsumgebung lässt sie in Ruhe</translation>
    </message>
    <message>
        <source>Let the desktop open them</source>
        <translation>Die Arbeitsumgebung soll sie öffnen</translation>
    </message>
    <message>
        <source>The desktop also opens camera cards</source>
        <translation>Auch die Arbeitsumgebung öffnet Kamerakarten</translation>
    </message>
    <message>
        <source>Let Mirvale open them</source>
        <translation>Mirvale soll sie öffnen</translation>
    </message>
    <message>
        <source>The desktop’s setting could not be changed: %1</source>
        <translation>Die Einstellung der Arbeitsumgebung konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Mirvale is running, but this desktop shows no tray icons</source>
        <translation>Mirvale läuft, aber diese Arbeitsumgebung zeigt keine Symbole in der Kontrollleiste</translation>
    </message>
    <message>
        <source>To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon shows there; some trays show it only after Mirvale is started again.</source>
        <translation>Um Mirvale zu erreichen, starten Sie es erneut: Dadurch öffnen sich seine Einstellungen. In einem Terminal listet mirvalectl die Karten auf und hält die Überwachung an oder setzt sie fort. Wird der Arbeitsumgebung später eine Kontrollleiste hinzugefügt, erscheint das Symbol dort; manche Kontrollleisten zeigen es erst, nachdem Mirvale erneut gestartet wurde.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login</source>
        <translation>„Bei Anmeldung starten“ konnte nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>StatusMenuModel</name>
    <message>
        <source>Unmount (removes it from this menu)</source>
        <translation>Aushängen (entfernt sie aus diesem Menü)</translation>
    </message>
    <message>
        <source>Unmount (keeps it in this menu)</source>
        <translation>Aushängen (behält sie in diesem Menü)</translation>
    </message>
    <message>
        <source>No cards inserted</source>
        <translation>Keine Karten eingelegt</translation>
    </message>
    <message>
        <source>Pause watching</source>
        <translation>Überwachung anhalten</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Quit Mirvale</source>
        <translation>Mirvale beenden</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
</context>
<context>
    <name>Subfolder</name>
    <message>
        <source>Smart (DCIM / AVCHD / XAVC)</source>
        <translation>Automatisch (DCIM / AVCHD / XAVC)</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(kein Ordner)</translation>
    </message>
</context>
<context>
    <name>TargetResolver</name>
    <message>
        <source>%1 not found on this card, opened the card instead</source>
        <extracomment>%1 is the folder the rule expects, such as &quot;DCIM&quot; or &quot;DCIM, AVCHD, or XAVC&quot;.</extracomment>
        <translation>%1 wurde auf dieser Karte nicht gefunden, stattdessen wurde die Karte geöffnet</translation>
    </message>
</context>
<context>
    <name>TestMenuModel</name>
    <message>
        <source>Test rule on card…</source>
        <translation>Regel an Karte testen…</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Update to %1…</source>
        <extracomment>A menu entry; %1 is the version, such as &quot;1.4.2&quot;.</extracomment>
        <translation>Auf %1 aktualisieren…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
</context>
<context>
    <name>ValidationDisplay</name>
    <message numerus="yes">
        <source> (+%n more errors)</source>
        <extracomment>Follows a rule&apos;s first error, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n weiterer Fehler)</numerusform>
            <numerusform> (+%n weitere Fehler)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (+%n more warnings)</source>
        <extracomment>Follows a rule&apos;s first warning, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n weitere Warnung)</numerusform>
            <numerusform> (+%n weitere Warnungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved. Rules take effect on the next card insert.</source>
        <translation>Gespeichert. Die Regeln gelten ab dem nächsten Einlegen einer Karte.</translation>
    </message>
    <message>
        <source>Couldn’t save settings.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Rules not saved: %1</source>
        <extracomment>%1 is the reason, a whole sentence.</extracomment>
        <translation>Regeln nicht gespeichert: %1</translation>
    </message>
</context>
</TS>

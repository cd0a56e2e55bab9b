<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message>
        <source>101</source>
        <translation>Über Quillbox...</translation>
    </message>
    <message>
        <source>102</source>
        <translation>Informationen...</translation>
    </message>
    <message>
        <source>103</source>
        <translation>Die Netzwerk-Socket-Bibliothek konnte nicht initialisiert werden.
Quillbox kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>11001</source>
        <translation>Die Einstellungsdatei qbx_man.ini kann nicht gelesen werden.
Bitte öffnen Sie die Einstellungen, wählen Sie die Schnittstelle und speichern Sie mit OK.</translation>
    </message>
    <message>
        <source>11002</source>
        <translation>Die Schnittstelle ist nicht verfügbar.
Serielle Schnittstelle: Der Anschluss ist an diesem PC nicht vorhanden.
TCP/IP: Der Bootloader ist unter dieser Adresse nicht erreichbar (Zeitüberschreitung oder Host nicht erreichbar).</translation>
    </message>
    <message>
        <source>11003</source>
        <translation>Der Zugriff auf die Schnittstelle wurde verweigert.
Serielle Schnittstelle: Der Anschluss wird von einem anderen Programm belegt.
TCP/IP: Der Bootloader hat die Verbindung abgelehnt (bitte prüfen Sie die Portnummer).</translation>
    </message>
    <message>
        <source>11004</source>
        <translation>Die Schnittstelle kann nicht geöffnet werden (Systemfehler %d).</translation>
    </message>
    <message>
        <source>11005</source>
        <translation>Die Schnittstelleneinstellung ist ungültig.
Bitte wählen Sie in den Einstellungen eine serielle Schnittstelle (COM1 bis COM6) oder TCP/IP.</translation>
    </message>
    <message>
        <source>11006</source>
        <translation>Der Bootloader befindet sich nicht im Übertragungsmodus (0xC0).
Soll der Bootloader jetzt in den Übertragungsmodus umgeschaltet werden?</translation>
    </message>
    <message>
        <source>11007</source>
        <translation>Der Bootloader antwortet nicht oder nur unvollständig.
Bitte prüfen Sie das Kabel, die Spannungsversorgung des Bootloaders und die Schnittstelleneinstellung.</translation>
    </message>
    <message>
        <source>11008</source>
        <translation>Der Bootloader hat die Umschaltung des Betriebsmodus abgelehnt.</translation>
    </message>
    <message>
        <source>11009</source>
        <translation>Der Bootloader befindet sich im Betriebsmodus 0x80, nicht im Übertragungsmodus (0xC0).
In diesem Modus sind keine Datenübertragungen möglich.</translation>
    </message>
    <message>
        <source>11010</source>
        <translation>Der Bootloader befindet sich in einem unbekannten Betriebsmodus, nicht im Übertragungsmodus (0xC0).</translation>
    </message>
    <message>
        <source>11011</source>
        <translation>Der Bootloader antwortet nicht auf die Abfrage seines Betriebsmodus.</translation>
    </message>
    <message>
        <source>11012</source>
        <translation>Die Kommunikation mit dem Bootloader ist fehlgeschlagen.
Bitte prüfen Sie die Verbindung und die Spannungsversorgung des Bootloaders und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>11013</source>
        <translation>Das angeschlossene Gerät (Typ 0x%02X) ist kein unterstützter Bootloader.</translation>
    </message>
    <message>
        <source>11014</source>
        <translation>Die Firmware-Version %s des Bootloaders ist für dieses Programm zu alt.
Erforderlich: Version 2.6 oder neuer für serielle Bootloader, 1.28 oder neuer für die LINKBOX.
Bitte aktualisieren Sie die Bootloader-Firmware.</translation>
    </message>
    <message>
        <source>11015</source>
        <translation>Die Daten konnten nicht vollständig an den Bootloader gesendet werden.</translation>
    </message>
    <message>
        <source>11016</source>
        <translation>Das Senden der Daten an den Bootloader ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>11017</source>
        <translation>Der Bootloader hat die gesendeten Daten nicht quittiert (keine Antwort).</translation>
    </message>
    <message>
        <source>11018</source>
        <translation>Übertragungsfehler: Die Daten wurden wiederholt fehlerhaft empfangen (Prüfsummen- oder Quittungsfehler).
Bitte prüfen Sie Kabel und Verbindung.</translation>
    </message>
    <message>
        <source>11019</source>
        <translation>Die vom Bootloader empfangenen Daten sind unvollständig (Prüfsumme fehlt).</translation>
    </message>
    <message>
        <source>11020</source>
        <translation>Die Quittung konnte nicht an den Bootloader gesendet werden.</translation>
    </message>
    <message>
        <source>11021</source>
        <translation>Der Bootloader hat die Anforderung abgelehnt.</translation>
    </message>
    <message>
        <source>11022</source>
        <translation>Der Bootloader meldet Fehler %d.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11023</source>
        <translation>Der Bootloader meldet einen unbekannten Fehler.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11024</source>
        <translation>Unerwartete Antwort des Bootloaders.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11025</source>
        <translation>Die Datei %s kann nicht gespeichert werden.
Bitte prüfen Sie, ob der Ordner existiert und beschreibbar ist und ob die Datei schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>11026</source>
        <translation>Funktionsdatendateien müssen die Endung .dat haben.
Bitte wählen Sie für diesen Speicherplatz einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>11027</source>
        <translation>Die Datei ist keine Funktionsdatendatei.</translation>
    </message>
    <message>
        <source>11030</source>
        <translation>Die Datei %s ist für Speicherplatz %d und für Speicherplatz %d gewählt.
Bitte wählen Sie für jeden Speicherplatz eine eigene Datei.</translation>
    </message>
    <message>
        <source>11031</source>
        <translation>Die Datei kann nicht geöffnet werden.
Bitte prüfen Sie, ob sie existiert und lesbar ist.</translation>
    </message>
    <message>
        <source>11032</source>
        <translation>Die Datei kann nicht geschrieben werden.
Bitte prüfen Sie, ob der Ordner existiert und beschreibbar ist und ob die Datei schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>11033</source>
        <translation>Die Datei ist keine Bootloader-Firmwaredatei (unbekannte Dateikennung).</translation>
    </message>
    <message>
        <source>11036</source>
        <translation>Bitte wählen Sie eine Begrüßungsseiten-Datei oder kreuzen Sie die Standard-Begrüßungsseite an.</translation>
    </message>
    <message>
        <source>11037</source>
        <translation>Bitte wählen Sie eine Programmdatei.</translation>
    </message>
    <message>
        <source>11038</source>
        <translation>Begrüßungsseiten-Dateien müssen die Endung .bgs haben.</translation>
    </message>
    <message>
        <source>11039</source>
        <translation>Programmdateien müssen die Endung .prg haben.</translation>
    </message>
    <message>
        <source>11040</source>
        <translation>Bootloader-Firmwaredateien müssen die Endung .frm haben.</translation>
    </message>
    <message>
        <source>11041</source>
        <translation>Die Datei ist keine gültige Programmdatei (unbekannte Dateikennung oder fehlerhafter Dateikopf).</translation>
    </message>
    <message>
        <source>11042</source>
        <translation>Der Bootloader befindet sich im Übertragungsmodus (0xC0) und ist für Datenübertragungen bereit.</translation>
    </message>
    <message>
        <source>11043</source>
        <translation>Die Datei %s für Speicherplatz %d existiert bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>11044</source>
        <translation>Die Datei %s kann nicht geöffnet werden oder ihr Inhalt ist ungültig.</translation>
    </message>
    <message>
        <source>11045</source>
        <translation>Die Datei %s existiert bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>11046</source>
        <translation>Der Bootloader meldet keine Firmware-Version (Update-Zustand).
Seine Einstellungen können nicht gelesen werden. Bitte aktualisieren Sie zuerst die Bootloader-Firmware.</translation>
    </message>
    <message>
        <source>11047</source>
        <translation>Die Firmwaredatei passt nicht zum angeschlossenen Bootloader.
Bitte wählen Sie eine Firmwaredatei für diese Bootloader-Art (serieller Bootloader oder LINKBOX).</translation>
    </message>
    <message>
        <source>11048</source>
        <translation>Es können nur HTML-Seiten (.html) und GIF-Bilder (.gif) übertragen werden.</translation>
    </message>
    <message>
        <source>11049</source>
        <translation>Die Datei ist zu groß.
Eine Webseite oder ein Bild darf höchstens %d Bytes groß sein.</translation>
    </message>
    <message>
        <source>11050</source>
        <translation>Der angeschlossene Bootloader ist keine LINKBOX.
Webseiten können nur in einen LINKBOX-Netzwerk-Bootloader übertragen werden.</translation>
    </message>
    <message>
        <source>11051</source>
        <translation>Die Datei ist keine gültige Funktionsdatendatei für diese Funktion (beschädigte Datei oder falscher Gerätetyp).</translation>
    </message>
    <message>
        <source>11052</source>
        <translation>Der Speicherplatz im Bootloader konnte nicht geleert werden.</translation>
    </message>
    <message>
        <source>11053</source>
        <translation>Das Datenformat wird nicht unterstützt (unbekannter Datenkopf oder unbekannte Dateiformat-Version).</translation>
    </message>
    <message>
        <source>11054</source>
        <translation>Der angeschlossene Bootloader ist keine LINKBOX.
Bootloader-Daten können nur aus einem LINKBOX-Netzwerk-Bootloader gelesen oder in ihn geschrieben werden.</translation>
    </message>
    <message>
        <source>11400</source>
        <translation>Die seriellen Schnittstellen COM1 bis COM6 werden nach einem ORMAND-Bootloader durchsucht.</translation>
    </message>
    <message>
        <source>11401</source>
        <translation>N.A. = nicht verfügbar (Anschluss fehlt bzw. keine Verbindung)</translation>
    </message>
    <message>
        <source>11402</source>
        <translation>C.N.A. = kein Zugriff (Anschluss belegt bzw. Verbindung abgelehnt); E.N. = Fehler mit Systemfehlernummer</translation>
    </message>
    <message>
        <source>11403</source>
        <translation>O.K. = Schnittstelle frei, aber kein ORMAND-Bootloader hat geantwortet</translation>
    </message>
    <message>
        <source>11404</source>
        <translation>B.V. = ORMAND-Bootloader gefunden (Typ und Version angezeigt); B.V.U. = ORMAND-Bootloader im Update-Zustand</translation>
    </message>
    <message>
        <source>11405</source>
        <translation>Die seriellen Schnittstellen COM1 bis COM6 werden nach einem Bravolt-Bootloader durchsucht.</translation>
    </message>
    <message>
        <source>11406</source>
        <translation>N.A. = nicht verfügbar (Anschluss fehlt bzw. keine Verbindung)</translation>
    </message>
    <message>
        <source>11407</source>
        <translation>C.N.A. = kein Zugriff (Anschluss belegt bzw. Verbindung abgelehnt); E.N. = Fehler mit Systemfehlernummer</translation>
    </message>
    <message>
        <source>11408</source>
        <translation>O.K. = Schnittstelle frei, aber kein Bravolt-Bootloader hat geantwortet</translation>
    </message>
    <message>
        <source>11409</source>
        <translation>B.V. = Bravolt-Bootloader gefunden (Typ und Version angezeigt); B.V.U. = Bravolt-Bootloader im Update-Zustand</translation>
    </message>
    <message>
        <source>11410</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>11411</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>11412</source>
        <translation>wird geprüft...</translation>
    </message>
    <message>
        <source>11413</source>
        <translation>Bootloader wird gesucht, bitte warten...</translation>
    </message>
    <message>
        <source>11414</source>
        <translation>Suche beendet.</translation>
    </message>
    <message>
        <source>11415</source>
        <translation>Ein Bootloader hat geantwortet.</translation>
    </message>
    <message>
        <source>11416</source>
        <translation>Kein Bootloader gefunden.
Bitte prüfen Sie Kabel, Spannungsversorgung und Schnittstelleneinstellungen.</translation>
    </message>
    <message>
        <source>11450</source>
        <translation>Quillbox Suite - ORMAND-Edition

Serviceprogramm für ORMAND-Heizungsregler (Ormand Control) und die Geräte an ihrem Datenbus.

Funktionen: Übertragen und Auslesen von Funktionsdaten, Betriebssystem-Update, Bootloader-Firmware-Update, Begrüßungsseiten, Webseiten für die LINKBOX, Bootloader-Einstellungen.

Verbindung: ein serieller Bootloader an COM1 bis COM6 (115200 Baud) oder der LINKBOX-Netzwerk-Bootloader über TCP/IP (Standardadresse 192.168.0.1, Port 40000).

ORMAND
Internet: ormand.test</translation>
    </message>
    <message>
        <source>11451</source>
        <translation>Quillbox Suite

Serviceprogramm für den Heizungsregler QRT5130 und die Geräte an seinem Datenbus (BUS_VIEWER, BUS_PORTA, BUS_PORTB, BUS_GATE, BUS_METER).

Funktionen: Übertragen und Auslesen von Funktionsdaten, Betriebssystem-Update, Bootloader-Firmware-Update, Begrüßungsseiten, Webseiten für die LINKBOX, Bootloader-Einstellungen.

Verbindung: ein serieller Bootloader an COM1 bis COM6 (115200 Baud) oder der LINKBOX-Netzwerk-Bootloader über TCP/IP (Standardadresse 192.168.0.1, Port 40000).

Bravolt
Internet: bravolt.test</translation>
    </message>
    <message>
        <source>11500</source>
        <translation>Verbindung zum Bootloader wird aufgebaut...</translation>
    </message>
    <message>
        <source>11501</source>
        <translation>Betriebsmodus des Bootloaders wird umgeschaltet...</translation>
    </message>
    <message>
        <source>11502</source>
        <translation>Übertragung wird gestartet...</translation>
    </message>
    <message>
        <source>11503</source>
        <translation>Daten werden empfangen...</translation>
    </message>
    <message>
        <source>11504</source>
        <translation>Daten werden gesendet...</translation>
    </message>
    <message>
        <source>11505</source>
        <translation>Alle Daten wurden empfangen.</translation>
    </message>
    <message>
        <source>11506</source>
        <translation>Übertragung erfolgreich beendet.</translation>
    </message>
    <message>
        <source>11507</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>11508</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>11509</source>
        <translation>Zieldatei</translation>
    </message>
    <message>
        <source>11600</source>
        <translation>Betriebssystem (Ormand Control):</translation>
    </message>
    <message>
        <source>11601</source>
        <translation>Standard: Unterordner Betriebssystem_OC des Programmordners</translation>
    </message>
    <message>
        <source>11602</source>
        <translation>Betriebssystem (QRT5130):</translation>
    </message>
    <message>
        <source>11603</source>
        <translation>Standard: Unterordner Betriebssystem_QRT5130 des Programmordners</translation>
    </message>
    <message>
        <source>11650</source>
        <translation>Standard-Begrüßungsseite (ORMAND)</translation>
    </message>
    <message>
        <source>11651</source>
        <translation>Begrüßungsseite des Ormand Control</translation>
    </message>
    <message>
        <source>11653</source>
        <translation>Standard-Begrüßungsseite (BRAVOLT)</translation>
    </message>
    <message>
        <source>11654</source>
        <translation>Begrüßungsseite des QRT5130</translation>
    </message>
    <message>
        <source>11660</source>
        <translation>Funktionsdaten (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11661</source>
        <translation>LINKBOX-Bootloader-Daten (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11662</source>
        <translation>Programmdateien (*.prg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11663</source>
        <translation>Bootloader-Firmware (*.frm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11664</source>
        <translation>Begrüßungsseiten (*.bgs);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11665</source>
        <translation>Webseiten und Bilder (*.html *.gif);;HTML-Seiten (*.html);;GIF-Bilder (*.gif);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11670</source>
        <translation>Webseite in die LINKBOX übertragen</translation>
    </message>
    <message>
        <source>11680</source>
        <translation>Bootloader-Daten in die LINKBOX schreiben</translation>
    </message>
    <message>
        <source>11681</source>
        <translation>Bootloader-Daten aus der LINKBOX lesen</translation>
    </message>
    <message>
        <source>11930</source>
        <translation>Die Schnittstelle kann nicht geöffnet werden (Systemfehler %d).
COM%d ist %s und damit keine serielle Schnittstelle.
Bitte prüfen Sie, welches Gerät QUILLBOX_COM%d oder ports.ini für diesen Anschluss nennt.</translation>
    </message>
    <message>
        <source>11960</source>
        <translation>Die Schnittstelle ist nicht verfügbar.
Serielle Schnittstelle: COM%d ist %s, und dieses Gerät gibt es an diesem PC nicht.
Bitte prüfen Sie, ob der Adapter eingesteckt ist und welches Gerät QUILLBOX_COM%d oder ports.ini für diesen Anschluss nennt.</translation>
    </message>
    <message>
        <source>11961</source>
        <translation>der USB-Adapter von %s hält jede Antwort für seinen Latenz-Timer von %d ms zurück; bei 16 ms dauert eine Übertragung etwa viermal so lange wie bei 1 ms; stellen Sie ihn auf 1 ms, wie es der Abschnitt „USB serial adapters“ im README zeigt</translation>
    </message>
    <message>
        <source>11900</source>
        <translation>Die Einstellungen können nicht in %s gespeichert werden.
Bitte prüfen Sie, ob die Datei schreibgeschützt ist und ob ihr Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>11901</source>
        <translation>Die Sprache kann nicht in %s gespeichert werden; beim nächsten Start bleibt die bisherige Sprache.
Bitte prüfen Sie, ob die Datei schreibgeschützt ist und ob ihr Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>11902</source>
        <translation>Das Sitzungsprotokoll kann nicht in %s geschrieben werden (Systemfehler %d).
Bitte prüfen Sie den Dateinamen und ob der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>11903</source>
        <translation>Sitzungsprotokoll…</translation>
    </message>
    <message>
        <source>11904</source>
        <translation>Sitzungsprotokoll beenden</translation>
    </message>
    <message>
        <source>11905</source>
        <translation>Sitzungsprotokolle (*.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>11911</source>
        <translation>belegt von %s (PID %d)</translation>
    </message>
    <message>
        <source>11912</source>
        <translation>belegt von %s (PID %d, Sperrdatei %s)</translation>
    </message>
    <message>
        <source>11913</source>
        <translation>belegt von einem anderen Programm, das nicht ermittelt werden kann</translation>
    </message>
    <message>
        <source>11914</source>
        <translation>keine Berechtigung: Der Benutzer muss Mitglied der Gruppe %s sein und sich danach neu anmelden</translation>
    </message>
    <message>
        <source>11915</source>
        <translation>keine Berechtigung zum Öffnen von %s</translation>
    </message>
    <message>
        <source>11916</source>
        <translation>%s existiert nicht; vorhandene serielle Geräte: %s (ordnen Sie in ports.ini eines davon COM%d zu)</translation>
    </message>
    <message>
        <source>11917</source>
        <translation>%s ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>11918</source>
        <translation>keine Berechtigung: nur der Eigentümer von %s (%s) oder der Administrator darf die Schnittstelle öffnen; bitten Sie den Administrator um Zugriff</translation>
    </message>
    <message>
        <source>11940</source>
        <translation>Der Bootsektor der Programmdatei ist zu groß (BS_SIZE = %X hexadezimal; höchstens 1000000 hexadezimal, 16 MiB).
Die Datei ist beschädigt oder nicht für dieses Gerät bestimmt; das Update wurde nicht begonnen.</translation>
    </message>
    <message>
        <source>11941</source>
        <translation>Die Datensätze der Datei sind nicht nach Adressen aufsteigend geordnet: Der Datensatz bei %06X hexadezimal enthält Daten für Adressen, die der Bootloader bereits erhalten hat; das Gerät würde sie leer lassen.
Sortieren Sie die Datei nach Adressen (zum Beispiel mit srec_cat) und starten Sie erneut. Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11942</source>
        <translation>Die Datei endet vor den Daten, die der Bootloader bei %06X hexadezimal angefordert hat. Die Datei ist unvollständig oder nicht für dieses Gerät bestimmt.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11943</source>
        <translation>Der Datensatz der Datei bei %06X hexadezimal überschreitet die Grenze des Blocks, den der Bootloader bei %06X hexadezimal angefordert hat; seine Daten können nicht gesendet werden. Die Datei ist beschädigt oder nicht für dieses Gerät bestimmt.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11944</source>
        <translation>Der Bootloader hat einen Block von %d Bytes angefordert; ein Block einer Update-Datei umfasst 1 bis 64 Bytes.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>11945</source>
        <translation>Die Begrüßungsseite %s kann nicht geöffnet werden; das Betriebssystem würde ohne sie geschrieben.
Wählen Sie eine vorhandene Begrüßungsseite; das Update wurde nicht begonnen.</translation>
    </message>
    <message>
        <source>11950</source>
        <translation>Überprüfung fehlgeschlagen: Speicherplatz %d weicht ab Adresse %04X von der Datei ab.</translation>
    </message>
    <message>
        <source>11951</source>
        <translation>Überprüfung fehlgeschlagen: Die LINKBOX-Daten weichen ab Adresse %04X von der Datei ab.</translation>
    </message>
    <message>
        <source>11952</source>
        <translation>Überprüfung fehlgeschlagen: Der im Gerät gespeicherte Kopf weicht vom geschriebenen ab.</translation>
    </message>
    <message>
        <source>11970</source>
        <translation>Stellen Sie die Verbindung mit „qbx settings set interface=COM1..COM6|tcp address=HOST port=N“ ein oder geben Sie sie nur für diesen Aufruf mit --port COMn|PFAD bzw. --tcp HOST[:PORT] an.</translation>
    </message>
    <message>
        <source>11971</source>
        <translation>Die Datei %s kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>11972</source>
        <translation>Abgebrochen: Speicherplatz %d wurde nicht vollständig beschrieben und enthält keine gültigen Daten. Der Bootloader bleibt erhalten; bitte übertragen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>11973</source>
        <translation>Abgebrochen: Es wurde nichts gespeichert; das Gerät und Ihre Dateien sind unverändert.</translation>
    </message>
    <message>
        <source>11974</source>
        <translation>Abgebrochen: Das Betriebssystem wurde nicht vollständig geschrieben; bis ein Update vollständig durchläuft, hat das Gerät kein lauffähiges Programm. Der Bootloader bleibt erhalten; bitte starten Sie das Update erneut.</translation>
    </message>
    <message>
        <source>11975</source>
        <translation>Abgebrochen: Die Bootloader-Firmware wurde nicht vollständig geschrieben. Der Bootloader bleibt erhalten; bitte starten Sie das Update erneut.</translation>
    </message>
    <message>
        <source>11976</source>
        <translation>Abgebrochen: Die Webseite wurde nicht vollständig in die LINKBOX geschrieben. Der Bootloader bleibt erhalten; bitte übertragen Sie die Seite erneut.</translation>
    </message>
    <message>
        <source>11977</source>
        <translation>Abgebrochen: Das Datenabbild der LINKBOX wurde nicht vollständig geschrieben. Der Bootloader bleibt erhalten; bitte schreiben Sie das Datenabbild erneut.</translation>
    </message>
    <message>
        <source>12000</source>
        <translation>Speicherplatz %d im Bootloader leeren?
Er enthält „%s“; diese Daten gehen dabei verloren.</translation>
    </message>
    <message>
        <source>12001</source>
        <translation>Die Bootloader-Daten der LINKBOX ersetzen?
Sie enthält zurzeit „%s“; diese Daten gehen dabei verloren.</translation>
    </message>
    <message>
        <source>12002</source>
        <translation>Speicherplatz %d: %s – geschrieben, nicht zur Prüfung zurückgelesen</translation>
    </message>
    <message>
        <source>12003</source>
        <translation>Speicherplatz %d: %s – geschrieben, zurückgelesen und mit der Datei identisch</translation>
    </message>
    <message>
        <source>12004</source>
        <translation>Speicherplatz %d: %s – empfangen und gespeichert</translation>
    </message>
    <message>
        <source>12005</source>
        <translation>Speicherplatz %d: %s – fehlgeschlagen</translation>
    </message>
    <message>
        <source>12006</source>
        <translation>Speicherplatz %d: %s – nach dem Fehler nicht mehr begonnen</translation>
    </message>
    <message>
        <source>12007</source>
        <translation>Übertragung nach einem Fehler abgebrochen</translation>
    </message>
    <message>
        <source>12008</source>
        <translation>„%s“ ist keine gültige Adresse: Jeder ihrer vier Teile muss eine Zahl von 0 bis 255 sein.</translation>
    </message>
    <message>
        <source>12009</source>
        <translation>%d liegt außerhalb dessen, was dieses Feld aufnehmen kann; es zeigt jetzt den nächstmöglichen Wert, %d.
Mit OK wird dieser Wert geschrieben.</translation>
    </message>
    <message>
        <source>12019</source>
        <translation>Datei: %s</translation>
    </message>
    <message>
        <source>12010</source>
        <translation>Funktionsdaten für Speicherplatz %d wählen</translation>
    </message>
    <message>
        <source>12011</source>
        <translation>Speicherplatz %d speichern unter</translation>
    </message>
    <message>
        <source>12012</source>
        <translation>Datei mit den Daten für die LINKBOX wählen</translation>
    </message>
    <message>
        <source>12013</source>
        <translation>Daten der LINKBOX speichern unter</translation>
    </message>
    <message>
        <source>12014</source>
        <translation>Programmdatei des Betriebssystems wählen</translation>
    </message>
    <message>
        <source>12015</source>
        <translation>Begrüßungsseite wählen</translation>
    </message>
    <message>
        <source>12016</source>
        <translation>Begrüßungsseite speichern unter</translation>
    </message>
    <message>
        <source>12017</source>
        <translation>Firmwaredatei für den Bootloader wählen</translation>
    </message>
    <message>
        <source>12018</source>
        <translation>Webseite oder Bild für die LINKBOX wählen</translation>
    </message>
    <message>
        <source>12020</source>
        <translation>Sitzungsprotokoll speichern unter</translation>
    </message>
    <message>
        <source>12021</source>
        <translation>Das Gerät kann %s nicht anzeigen; an seiner Stelle steht ein Leerzeichen.</translation>
    </message>
    <message>
        <source>12022</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>12023</source>
        <translation>Dieser Rechner hat keine serielle Schnittstelle %s.</translation>
    </message>
    <message>
        <source>12024</source>
        <translation>Nur für TCP/IP: Wählen Sie oben TCP/IP.</translation>
    </message>
    <message>
        <source>12025</source>
        <translation>Datei zum Prüfen wählen</translation>
    </message>
    <message>
        <source>11906</source>
        <translation>Die Datei %s existiert bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>11910</source>
        <translation>Der Pfad ist zu lang: %d Byte. Das Programm kann Pfade mit höchstens %d Byte speichern (Buchstaben wie ä, é oder ß belegen zwei). Bitte wählen Sie einen kürzeren Pfad.</translation>
    </message>
    <message>
        <source>11920</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>11921</source>
        <translation>Bitte geben Sie eine ganze Zahl ohne Vorzeichen ein (0 oder größer).</translation>
    </message>
    <message>
        <source>12100</source>
        <translation>Datei prüfen…</translation>
    </message>
    <message>
        <source>12102</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>12103</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>12104</source>
        <translation>Programmabbild</translation>
    </message>
    <message>
        <source>12105</source>
        <translation>Bootsektor-Abbild</translation>
    </message>
    <message>
        <source>12106</source>
        <translation>Geprüfte Dateien: %d, in Ordnung: %d, würden scheitern oder Daten verlieren: %d.</translation>
    </message>
    <message>
        <source>12107</source>
        <translation>Diese Dateiart kennt die Prüfung nicht; sie prüft .dat-, .prg-, .frm-, .bgs-, .html- und .gif-Dateien.</translation>
    </message>
    <message>
        <source>12108</source>
        <translation>Dateien des Programms (*.dat *.prg *.frm *.bgs *.html *.gif);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>12110</source>
        <translation>Programmdatei mit einem Abbild, %s, für %s (Gerätecode %02X); dem Gerät werden %X hexadezimal Bytes angekündigt, die es in Blöcken zu 64 anfordert.</translation>
    </message>
    <message>
        <source>12111</source>
        <translation>Firmwaredatei %s für die Bootloader-Familie %02X; ihr Kopf nennt %X hexadezimal Bytes, die die Prüfung in Blöcken zu 64 anfordert.</translation>
    </message>
    <message>
        <source>12112</source>
        <translation>Programmdatei mit zwei Abbildern für %s (Gerätecode %02X), PROGRAM %s, BOOTSECTOR %s; DATA_SIZE %X und BS_SIZE %X hexadezimal.</translation>
    </message>
    <message>
        <source>12113</source>
        <translation>Die Gerätetabelle kennt DEVICE „%s“ nicht: Dem Bootloader wird Gerätecode 00 gemeldet, er entscheidet selbst.</translation>
    </message>
    <message>
        <source>12114</source>
        <translation>Daten von %06X bis %06X.</translation>
    </message>
    <message>
        <source>12115</source>
        <translation>Keine Daten von %06X bis %06X: Das Gerät lässt diese %d Bytes gelöscht (FF).</translation>
    </message>
    <message>
        <source>12116</source>
        <translation>Erweiterte Segmentadresse %04X (Typ 02): Die folgenden Datensätze liegen ab %06X.</translation>
    </message>
    <message>
        <source>12117</source>
        <translation>Erweiterte lineare Adresse %04X (Typ 04): Die folgenden Datensätze liegen ab %06X.</translation>
    </message>
    <message>
        <source>12118</source>
        <translation>Der Datensatz bei %06X hat die Prüfsumme %02X, seine Bytes ergeben aber %02X. Die Übertragung prüft sie nicht und sendet die Bytes, wie sie sind.</translation>
    </message>
    <message>
        <source>12119</source>
        <translation>Der Datensatz bei %06X hat keine Prüfsumme. Die Übertragung braucht keine und sendet seine Bytes, wie sie sind.</translation>
    </message>
    <message>
        <source>12120</source>
        <translation>Daten von %06X bis %06X liegen hinter den %X hexadezimal Bytes, die das Gerät anfordert: Sie erreichen das Gerät nie.</translation>
    </message>
    <message>
        <source>12121</source>
        <translation>Die ersten %X hexadezimal Bytes des Programmabbilds werden aufbewahrt und in diesem Abbild von %06X bis %06X erneut gesendet, überall dort, wo es keine eigenen Daten hat.</translation>
    </message>
    <message>
        <source>12122</source>
        <translation>Das Bootsektor-Fenster endet bei %06X, hinter DATA_SIZE %X: Die letzten %d Bytes des Bootsektors fordert das Gerät nie an.</translation>
    </message>
    <message>
        <source>12123</source>
        <translation>Die Begrüßungsseite %s kommt in den Starttext; das Gerät zeigt: „%s“</translation>
    </message>
    <message>
        <source>12124</source>
        <translation>Die Begrüßungsseite %s kommt nicht in diese Datei: Nur BRAVOLT_PROGRAM_FILE-Dateien und Dateien mit zwei Abbildern für QRT5130 nehmen eine auf.</translation>
    </message>
    <message>
        <source>12125</source>
        <translation>%s: Der Zeichensatz des Geräts kennt kein %s (Stelle %d); die Übertragung sendet das Byte unverändert, das Gerät zeigt an seiner Stelle ein Leerzeichen.</translation>
    </message>
    <message>
        <source>12126</source>
        <translation>%d weitere Datensätze haben eine Prüfsumme, die nicht stimmt.</translation>
    </message>
    <message>
        <source>12127</source>
        <translation>Beschreibung des Speicherplatzes: Das Zeichen %s an Stelle %d wird auf dem Gerät zum Leerzeichen.</translation>
    </message>
    <message>
        <source>12128</source>
        <translation>Begrüßungsseite: Das Zeichen %s an Stelle %d wird auf dem Gerät zum Leerzeichen.</translation>
    </message>
    <message>
        <source>12129</source>
        <translation>Dieses Abbild hat im Fenster eigene Daten von %06X bis %06X; dort werden sie statt der aufbewahrten Bytes gesendet.</translation>
    </message>
    <message>
        <source>12130</source>
        <translation>Funktionsdaten, Dateiformat %d, Gerätecode %02X (%s), %d Datenbytes.</translation>
    </message>
    <message>
        <source>12131</source>
        <translation>Das Gerät speichert FIRMWARE „%s“, BOOTSECTOR „%s“ und die Beschreibung „%s“.</translation>
    </message>
    <message>
        <source>12132</source>
        <translation>Nach der Übertragung führt die Liste der Speicherplätze sie als „N: %s (%d bytes)“.</translation>
    </message>
    <message>
        <source>12133</source>
        <translation>Eine Datei mit den eigenen Daten der LINKBOX (Gerätecode A3): qbx bootdata write und der Dialog für die Bootloader-Daten nehmen sie an.</translation>
    </message>
    <message>
        <source>12134</source>
        <translation>%s „%s“ ist länger als die %d Zeichen, die das Gerät aufbewahrt: Es speichert „%s“.</translation>
    </message>
    <message>
        <source>12135</source>
        <translation>Der Kopf nennt keine Größe, daher kann die Prüfung nicht sagen, wie weit der Bootloader anfordern wird; seine Datensätze werden nicht durchlaufen.</translation>
    </message>
    <message>
        <source>12136</source>
        <translation>Der Dateiname „%s“ ist länger als die %d Zeichen der Beschreibung des Speicherplatzes: Das Gerät speichert „%s“.</translation>
    </message>
    <message>
        <source>12140</source>
        <translation>Begrüßungsseite mit %d Bytes; das Gerät zeigt: „%s“</translation>
    </message>
    <message>
        <source>12141</source>
        <translation>Die Datei hat %d Bytes; eine Begrüßungsseite hat 88 (vier Zeilen zu 22 Zeichen). Ein Betriebssystem-Update schreibt ihre ersten 88 Bytes, wie sie sind, Zeilenenden eingeschlossen.</translation>
    </message>
    <message>
        <source>12145</source>
        <translation>Webseite: %s-Datei mit %d Bytes; die LINKBOX nimmt höchstens %d auf.</translation>
    </message>
    <message>
        <source>12146</source>
        <translation>Die Datei beginnt nicht wie ein GIF-Bild (GIF87a oder GIF89a); die LINKBOX würde sie trotzdem als solches ausliefern.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message>
        <source>About Quillbox Suite</source>
        <translation>Über Quillbox Suite</translation>
    </message>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>Service tool for programmable heating controllers: function data, welcome pages, operating systems, bootloader firmware and LINKBOX web pages.</source>
        <translation>Servicewerkzeug für programmierbare Heizungsregler: Funktionsdaten, Begrüßungsseiten, Betriebssysteme, Bootloader-Firmware und LINKBOX-Webseiten.</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Homepage öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog102</name>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quillbox Suite&lt;/b&gt; — service tool for QRT5130 controllers and their bus devices</source>
        <translation>&lt;b&gt;Quillbox Suite&lt;/b&gt; — Servicewerkzeug für QRT5130-Regler und ihre Busgeräte</translation>
    </message>
    <message>
        <source>Function data</source>
        <translation>Funktionsdaten</translation>
    </message>
    <message>
        <source>Upload function data to the bootloader...</source>
        <translation>Funktionsdaten zum Bootloader übertragen...</translation>
    </message>
    <message>
        <source>Download function data from the bootloader...</source>
        <translation>Funktionsdaten vom Bootloader lesen...</translation>
    </message>
    <message>
        <source>Operating systems and firmware</source>
        <translation>Betriebssysteme und Firmware</translation>
    </message>
    <message>
        <source>Update controller or bus device operating system...</source>
        <translation>Betriebssystem von Regler oder Busgerät aktualisieren...</translation>
    </message>
    <message>
        <source>Update bootloader firmware...</source>
        <translation>Bootloader-Firmware aktualisieren...</translation>
    </message>
    <message>
        <source>LINKBOX</source>
        <translation>LINKBOX</translation>
    </message>
    <message>
        <source>Write bootloader data...</source>
        <translation>Bootloader-Daten schreiben...</translation>
    </message>
    <message>
        <source>Read bootloader data...</source>
        <translation>Bootloader-Daten lesen...</translation>
    </message>
    <message>
        <source>Upload web pages...</source>
        <translation>Webseiten übertragen...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog148</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog163</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language of the program (takes effect at the next start)</source>
        <translation>Sprache des Programms (gilt ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog132</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>TCP/IP (LINKBOX)</source>
        <translation>TCP/IP (LINKBOX)</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Check TCP connection...</source>
        <translation>TCP-Verbindung prüfen...</translation>
    </message>
    <message>
        <source>Bootloader and program</source>
        <translation>Bootloader und Programm</translation>
    </message>
    <message>
        <source>Search serial ports...</source>
        <translation>Serielle Schnittstellen durchsuchen...</translation>
    </message>
    <message>
        <source>Switch bootloader mode...</source>
        <translation>Betriebsmodus des Bootloaders umschalten...</translation>
    </message>
    <message>
        <source>Bootloader settings...</source>
        <translation>Bootloader-Einstellungen...</translation>
    </message>
    <message>
        <source>Working folders...</source>
        <translation>Arbeitsordner...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog156</name>
    <message>
        <source>Working folders</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>Function data to upload:</source>
        <translation>Zu übertragende Funktionsdaten:</translation>
    </message>
    <message>
        <source>Function data downloaded:</source>
        <translation>Gelesene Funktionsdaten:</translation>
    </message>
    <message>
        <source>Bootloader firmware:</source>
        <translation>Bootloader-Firmware:</translation>
    </message>
    <message>
        <source>Welcome pages:</source>
        <translation>Begrüßungsseiten:</translation>
    </message>
    <message>
        <source>Own folder</source>
        <translation>Eigener Ordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog133</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Speicherplatz:</translation>
    </message>
    <message>
        <source>Uploading function data</source>
        <translation>Funktionsdaten werden übertragen</translation>
    </message>
</context>
<context>
    <name>Dialog134</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Speicherplatz:</translation>
    </message>
    <message>
        <source>Downloading function data</source>
        <translation>Funktionsdaten werden gelesen</translation>
    </message>
</context>
<context>
    <name>Dialog153</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Im Bootloader</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Empty slot</source>
        <translation>Speicherplatz leeren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Upload function data: choose the files</source>
        <translation>Funktionsdaten übertragen: Dateien auswählen</translation>
    </message>
    <message>
        <source>Welcome page...</source>
        <translation>Begrüßungsseite...</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben überprüfen</translation>
    </message>
</context>
<context>
    <name>Dialog157</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Im Bootloader</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Download function data: choose where to save</source>
        <translation>Funktionsdaten lesen: Speicherort wählen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>Dialog253</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Zeile 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Zeile 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Zeile 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Zeile 4:</translation>
    </message>
    <message>
        <source>Load page file...</source>
        <translation>Seitendatei laden...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Own welcome page</source>
        <translation>Eigene Begrüßungsseite</translation>
    </message>
    <message>
        <source>Save page file...</source>
        <translation>Seitendatei speichern...</translation>
    </message>
    <message>
        <source>Setting A:</source>
        <translation>Einstellung A:</translation>
    </message>
    <message>
        <source>Setting B:</source>
        <translation>Einstellung B:</translation>
    </message>
    <message>
        <source>Setting C:</source>
        <translation>Einstellung C:</translation>
    </message>
    <message>
        <source>Setting D:</source>
        <translation>Einstellung D:</translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation>Begrüßungsseite</translation>
    </message>
</context>
<context>
    <name>Dialog130</name>
    <message>
        <source>Operating system update</source>
        <translation>Betriebssystem-Update</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog147</name>
    <message>
        <source>Bootloader firmware update</source>
        <translation>Bootloader-Firmware-Update</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog254</name>
    <message>
        <source>Web page upload</source>
        <translation>Webseite übertragen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog160</name>
    <message>
        <source>Prepare the operating system update</source>
        <translation>Betriebssystem-Update vorbereiten</translation>
    </message>
    <message>
        <source>Welcome-page file:</source>
        <translation>Datei der Begrüßungsseite:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>Bearbeitung abbrechen</translation>
    </message>
    <message>
        <source>Program file</source>
        <translation>Programmdatei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog144</name>
    <message>
        <source>Search serial ports</source>
        <translation>Serielle Schnittstellen durchsuchen</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog167</name>
    <message>
        <source>TCP/IP status</source>
        <translation>TCP/IP-Status</translation>
    </message>
    <message>
        <source>TCP/IP connection</source>
        <translation>TCP/IP-Verbindung</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog255</name>
    <message>
        <source>Bootloader data</source>
        <translation>Bootloader-Daten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Dialog166</name>
    <message>
        <source>Bootloader settings</source>
        <translation>Bootloader-Einstellungen</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Konfiguration des Bootloaders:</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Konfiguration 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Konfiguration 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Konfiguration 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Konfiguration 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Konfiguration 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Konfiguration 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Konfiguration 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Konfiguration 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog168</name>
    <message>
        <source>LINKBOX network settings</source>
        <translation>LINKBOX-Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Konfiguration des Bootloaders:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Parameter byte (0 to 255):</source>
        <translation>Parameter-Byte (0 bis 255):</translation>
    </message>
    <message>
        <source>Parameter word 1 (0 to 65535):</source>
        <translation>Parameter-Wort 1 (0 bis 65535):</translation>
    </message>
    <message>
        <source>Parameter word 2 (0 to 65535):</source>
        <translation>Parameter-Wort 2 (0 bis 65535):</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Konfiguration 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Konfiguration 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Konfiguration 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Konfiguration 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Konfiguration 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Konfiguration 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Konfiguration 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Konfiguration 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialog170</name>
    <message>
        <source>File check</source>
        <translation>Dateiprüfung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>

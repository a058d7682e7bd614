<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Allows monitoring of serial port handshaking pins</source>
        <translation>Ermöglicht die Überwachung der Handshake-Leitungen einer seriellen Schnittstelle</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>invalid value &apos;%1&apos; for --%2: %3</source>
        <translation>ungültiger Wert „%1“ für --%2: %3</translation>
    </message>
    <message>
        <source>a file name is expected</source>
        <translation>ein Dateiname wird erwartet</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>Shows the handshake input lines of a serial port as lamps.</source>
        <translation>Zeigt die Handshake-Eingangsleitungen einer seriellen Schnittstelle als Lampen an.</translation>
    </message>
    <message>
        <source>Starts on Com &lt;N&gt; (1 to 9) and keeps it.</source>
        <translation>Startet mit Com &lt;N&gt; (1 bis 9) und behält ihn bei.</translation>
    </message>
    <message>
        <source>Keeps the settings in &lt;file&gt; instead of the per-user file.</source>
        <translation>Speichert die Einstellungen in &lt;Datei&gt; statt in der Datei des Benutzers.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reads the lines ten times a second only, not also as they change.</source>
        <translation>Liest die Leitungen nur zehnmal pro Sekunde, nicht zusätzlich bei jeder Änderung.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>a port number from 1 to 9 is expected</source>
        <translation>eine Portnummer von 1 bis 9 wird erwartet</translation>
    </message>
    <message>
        <source>on or off is expected</source>
        <translation>on oder off wird erwartet</translation>
    </message>
    <message>
        <source>Opens every port with DTR &lt;on&gt; or off in this run, not stored.</source>
        <translation>Öffnet in diesem Lauf jeden Port mit DTR &lt;on&gt; oder off, ohne es zu speichern.</translation>
    </message>
    <message>
        <source>Opens every port with RTS &lt;on&gt; or off in this run, not stored.</source>
        <translation>Öffnet in diesem Lauf jeden Port mit RTS &lt;on&gt; oder off, ohne es zu speichern.</translation>
    </message>
    <message>
        <source>Pulse DTR and Pulse RTS last &lt;MS&gt; milliseconds (1 to 10000; 100).</source>
        <translation>DTR-Impuls und RTS-Impuls dauern &lt;MS&gt; Millisekunden (1 bis 10000; 100).</translation>
    </message>
    <message>
        <source>a length from 1 to 10000 milliseconds is expected</source>
        <translation>eine Dauer von 1 bis 10000 Millisekunden wird erwartet</translation>
    </message>
    <message>
        <source>Appends each change of the lines to &lt;file&gt; (- for standard output); a &lt;file&gt; ending in .vcd or .csv is written anew in that format.</source>
        <translation>Hängt jede Änderung der Leitungen an &lt;Datei&gt; an (- für die Standardausgabe); eine &lt;Datei&gt;, deren Name auf .vcd oder .csv endet, wird in diesem Format neu geschrieben.</translation>
    </message>
</context>
<context>
    <name>DeviceName</name>
    <message>
        <source>a device path such as /dev/ttyUSB0, %1, or a port server as rfc2217://HOST:PORT</source>
        <translation>einen Gerätepfad wie /dev/ttyUSB0, %1 oder einen Port-Server als rfc2217://HOST:PORT</translation>
    </message>
</context>
<context>
    <name>DeviceSerialLine</name>
    <message>
        <source>The device was disconnected.</source>
        <translation>Die Verbindung zum Gerät wurde getrennt.</translation>
    </message>
</context>
<context>
    <name>ExclusiveHold</name>
    <message>
        <source>held by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>. Serial ports belong to the &quot;dialout&quot; group: join it (sudo adduser $USER dialout), then log in again.</source>
        <translation>. Serielle Schnittstellen gehören der Gruppe „dialout“: Treten Sie ihr bei (sudo adduser $USER dialout) und melden Sie sich dann neu an.</translation>
    </message>
</context>
<context>
    <name>HelpIndex</name>
    <message>
        <source>The help file %1 is missing. Reinstall %2 to restore it.</source>
        <translation>Die Hilfedatei %1 fehlt. Installieren Sie %2 neu, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1. Install a web browser, or open the file in one yourself.</source>
        <translation>Es konnte kein Programm gestartet werden, das die Hilfedatei %1 anzeigt. Installieren Sie einen Webbrowser, oder öffnen Sie die Datei selbst darin.</translation>
    </message>
</context>
<context>
    <name>LampBox</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>, 1 pulse</source>
        <translation>, 1 Impuls</translation>
    </message>
    <message>
        <source>, %1 pulses</source>
        <translation>, %1 Impulse</translation>
    </message>
</context>
<context>
    <name>LineLog</name>
    <message>
        <source>The log could not be written to %1: %2</source>
        <translation>Das Protokoll konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
</context>
<context>
    <name>PortMessages</name>
    <message>
        <source>COM %1: not available. Check for correct Com Port.</source>
        <translation>COM %1: nicht verfügbar. Prüfen Sie, ob der Com-Port stimmt.</translation>
    </message>
    <message>
        <source>COM %1: the port opened but cannot report its handshake lines.</source>
        <translation>COM %1: Der Port wurde geöffnet, kann aber seine Handshake-Leitungen nicht melden.</translation>
    </message>
</context>
<context>
    <name>PortsDialog</name>
    <message>
        <source>Ports</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>Com%1: &quot;%2&quot; is not a device.</source>
        <translation>Com%1: „%2“ ist kein Gerät.</translation>
    </message>
    <message>
        <source>Enter %1, or leave the box empty for %2.</source>
        <translation>Geben Sie %1 ein, oder lassen Sie das Feld für %2 leer.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Quorlin</name>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>Bezeichnung für %1</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer oben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Com</source>
        <translation>&amp;Com</translation>
    </message>
    <message>
        <source>&amp;Com%1</source>
        <translation>&amp;Com%1</translation>
    </message>
    <message>
        <source>&amp;Ports…</source>
        <translation>&amp;Anschlüsse…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>COM %1: the port cannot drive %2.</source>
        <translation>COM %1: Der Port kann %2 nicht schalten.</translation>
    </message>
    <message>
        <source>COM %1: the port cannot send a break.</source>
        <translation>COM %1: Der Port kann kein Break-Signal senden.</translation>
    </message>
    <message>
        <source>&amp;DTR</source>
        <translation>&amp;DTR</translation>
    </message>
    <message>
        <source>&amp;RTS</source>
        <translation>&amp;RTS</translation>
    </message>
    <message>
        <source>Pulse D&amp;TR</source>
        <translation>DTR-&amp;Impuls</translation>
    </message>
    <message>
        <source>Pulse RT&amp;S</source>
        <translation>RTS-Im&amp;puls</translation>
    </message>
    <message>
        <source>Send &amp;Break</source>
        <translation>&amp;Break-Signal senden</translation>
    </message>
    <message>
        <source>&amp;Timeline…</source>
        <translation>&amp;Zeitverlauf…</translation>
    </message>
    <message>
        <source>This desktop keeps a window above the others only at your request: use &quot;Keep Above&quot; in the window&apos;s title-bar menu.</source>
        <translation>Diese Arbeitsfläche hält ein Fenster nur auf Ihren Wunsch über den anderen: Wählen Sie &quot;Immer im Vordergrund&quot; im Menü der Titelleiste des Fensters.</translation>
    </message>
</context>
<context>
    <name>Rfc2217SerialLine</name>
    <message>
        <source>The server&apos;s name is unknown.</source>
        <translation>Der Name des Servers ist unbekannt.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Der Server hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Die Verbindung zum Server ist abgebrochen.</translation>
    </message>
    <message>
        <source>The server does not offer control of its port (RFC 2217).</source>
        <translation>Der Server bietet keine Steuerung seines Ports an (RFC 2217).</translation>
    </message>
    <message>
        <source>The server does not speak RFC 2217.</source>
        <translation>Der Server spricht kein RFC 2217.</translation>
    </message>
    <message>
        <source>The server&apos;s name was not found in time.</source>
        <translation>Der Name des Servers wurde nicht rechtzeitig gefunden.</translation>
    </message>
    <message>
        <source>The server did not report the port&apos;s modem lines in time.</source>
        <translation>Der Server hat die Modemleitungen des Ports nicht rechtzeitig gemeldet.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Der Server antwortet nicht mehr.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>SettingsSchema</name>
    <message>
        <source>Status Pin %1</source>
        <translation>Status-Pin %1</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>history begins</source>
        <translation>Verlauf beginnt</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>no port open</source>
        <translation>kein Anschluss geöffnet</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message>
        <source>The name ends in neither .vcd nor .csv.</source>
        <translation>Der Name endet weder auf .vcd noch auf .csv.</translation>
    </message>
    <message>
        <source>Quorlin Timeline</source>
        <translation>Quorlin-Zeitverlauf</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitverlauf</translation>
    </message>
    <message>
        <source>Time shown</source>
        <translation>Gezeigte Zeit</translation>
    </message>
    <message>
        <source>States at the pointer</source>
        <translation>Zustände am Mauszeiger</translation>
    </message>
    <message>
        <source>Nothing recorded yet</source>
        <translation>Noch nichts aufgezeichnet</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Value change dump (*.vcd);;CSV (*.csv)</source>
        <translation>Value Change Dump (*.vcd);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The timeline could not be saved to %1.</source>
        <translation>Der Zeitverlauf konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>Ü&amp;ber Quillora …</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Die Einstellungen werden erst beim nächsten Programmstart vollständig wirksam</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Erkennung des Mobiltelefons</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(Verbindung zum Mobiltelefon unterbrochen)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Die Verbindung zum Mobiltelefon wurde unterbrochen!
Schließen Sie es wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Von %1 unterstützte Formate</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Alle unterstützten Formate</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendars</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Datei wird gelesen …</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Sitzung wird geöffnet …</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Titel wird gesendet …</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Dateidaten werden gesendet …</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Warten auf Bestätigung …</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Sitzung wird geschlossen …</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Datei wird angefordert …</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Dateidaten werden empfangen …</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Dateidaten werden komprimiert gesendet …</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Übertragung wird abgebrochen … Bitte warten</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Das Format dieses Tons (%1) wird von den meisten Abspielprogrammen unter Linux nicht direkt unterstützt.
Quillora kann zusätzlich eine Kopie im Format WAV/PCM erstellen (überall abspielbar).
Möchten Sie den Ton umwandeln?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Bei der Übertragung ist ein Fehler aufgetreten!
Das Mobiltelefon hat nicht alle Daten korrekt empfangen.
Möglicherweise unterstützt das Kabel keine Hardware-Flusssteuerung.
Möchten Sie die Übertragung mit niedrigerer Geschwindigkeit wiederholen?
(Dies könnte das Problem beheben)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Objekte werden gelöscht …</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Senden/Empfangen</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Nur senden</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Mit diesem Programm können Sie Objekte von einem PC auf ein Mobiltelefon von %1 übertragen.
Sie können Bilder, Animationen und Töne an Ihr Telefon senden und die darauf gespeicherten Objekte abrufen.

Dieses Programm wird von %2 ohne jegliche Gewährleistung bereitgestellt. Übertragen Sie nur Objekte, zu deren Nutzung Sie berechtigt sind.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Übertragung zum Mobiltelefon …</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Übertragung vom Mobiltelefon …</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Wird gelöscht …</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Objekt speichern unter …</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Alle Dateien|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Vorschau des empfangenen Fotos (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Liste wird abgerufen …</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Bitte wählen Sie den Ordner, in dem die %1!d! ausgewählten Dateien gespeichert werden sollen:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Die ausgewählte Datei hat ein Format, das Quillora nicht kennt,
und wird daher wahrscheinlich von Ihrem Mobiltelefon nicht unterstützt.
Bitte versuchen Sie es mit einer anderen Datei oder ändern Sie die Dateiendung.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Eigene Bilder</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Eigene Töne</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Eigene Animationen</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Im Mobiltelefon ist bei der Verarbeitung ein unerwarteter Fehler aufgetreten (Err%1!d!).
Schalten Sie Ihr Telefon aus und wieder ein.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Das Objekt ist zu groß für das Mobiltelefon (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Das Mobiltelefon unterstützt diese Art von Objekt nicht (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Das Mobiltelefon unterstützt das Format dieses Objekts nicht (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Dieses Objekt wurde auf dem Mobiltelefon nicht gefunden. Es wurde wahrscheinlich inzwischen gelöscht. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Im Mobiltelefon ist bei der Synchronisierung ein unerwarteter Fehler aufgetreten (Err:%1!d!).
Versuchen Sie es erneut oder schalten Sie Ihr Telefon aus und wieder ein.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Auf diesem Mobiltelefon ist keine Datei gespeichert!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! kB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1-Datei</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Nachfragen</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Dieser Anschluss wird geprüft</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Anschluss auf diesem Computer nicht vorhanden oder im BIOS deaktiviert.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Ein anderes Programm verwendet gerade diesen Anschluss. Bitte schließen Sie es zuerst</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Kein Zugriff auf diesen Anschluss möglich. Versuchen Sie, Ihren Computer neu zu starten</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Dieser Anschluss scheint kein externer Anschluss Ihres PCs zu sein</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Kein Kabel an diesem Anschluss gefunden</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Ein Datenkabel wurde erkannt, aber es ist kein Mobiltelefon angeschlossen</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Inkompatibles Kabel erkannt. Verwenden Sie ein Datenkabel von %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Das Kabel an diesem Anschluss wurde nicht erkannt. Prüfen Sie Ihre Verbindungen</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Ein angeschlossenes Datenkabel wurde erkannt</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Keine Antwort vom Mobiltelefon. Schalten Sie es aus und wieder ein</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem mit %1!d! bit/s gefunden</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Sie müssen eine SIM-Karte in Ihr Mobiltelefon einlegen oder es einschalten.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Das Modem konnte nicht identifiziert werden</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Das Mobiltelefon hat eine SIM-Sperre oder wartet auf die PIN oder den Gerätecode.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Ein Modem „%2“ wurde identifiziert</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Das angeschlossene Gerät ist kein kompatibles Mobiltelefon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Mobiltelefon „%2“ gefunden!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>An Anschluss %1 wurde ein Mobiltelefon „%2“ gefunden,
es unterstützt aber keine Übertragung von Objekten</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>An Anschluss %1 wurde ein Mobiltelefon gefunden,
es hat aber eine SIM-Sperre.
Bitte geben Sie den SIM-Sperrcode am Mobiltelefon ein.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>An Anschluss %1 wurde ein Mobiltelefon gefunden,
der Gerätecode wurde aber noch nicht eingegeben.
Bitte geben Sie den Gerätecode am Mobiltelefon ein.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>An Anschluss %1 wurde ein Mobiltelefon gefunden,
die PIN wurde aber noch nicht eingegeben.
Bitte geben Sie die PIN am Mobiltelefon ein.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>An Anschluss %1 wurde ein Mobiltelefon gefunden,
es scheint aber nicht eingeschaltet zu sein oder keine SIM-Karte zu enthalten.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Bis zu %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Nur Schwarzweiß</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-Bit-Farbe</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progressive Kodierung</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Verlustfreier Modus</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorgrafik</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 unterstützt</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 nicht unterstützt</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Einstimmig</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Bis zu %1 Stimmen</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frequenzbereich: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 Bit – %2 – %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Noch %1!d! Min.</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Noch %1!d! Sek.</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! von %2!d! Bytes empfangen</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Fehler %1!d! ist aufgetreten</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datei „%2“ kann nicht geöffnet werden</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datei „%2“ ist leer!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datei „%2“ kann nicht gelesen werden!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Dieses Mobiltelefon unterstützt keine Übertragung von Objekten</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Das Mobiltelefon hat unerwartet geantwortet</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Der Speicher des Mobiltelefons reicht für ein Objekt dieser Größe nicht aus.
Wählen Sie ein kleineres Objekt oder löschen Sie einige Objekte vom Mobiltelefon.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datei „%2“ kann nicht erstellt werden</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Kein Zugriff auf den Kommunikationsanschluss möglich</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Die vom Mobiltelefon empfangenen Daten sind ungültig</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Das Mobiltelefon hat einen Fehler gemeldet.
Die ausgewählte Datei existiert möglicherweise nicht mehr</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Das Mobiltelefon hat die Anfrage nicht verstanden. Versuchen Sie es erneut.</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Das Mobiltelefon antwortet nicht mehr. Bitte prüfen Sie, ob es richtig angeschlossen ist.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Fehler beim Empfangen, Daten sind verloren gegangen.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Empfangen</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatische Erkennung des Mobiltelefons …</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(Schließen Sie Ihr Mobiltelefon jetzt an, falls noch nicht geschehen)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Mobiltelefontyp:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>an Anschluss:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Senden</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Mögliche Übertragungen:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Hilfedatei anzeigen</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Nutzung von Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>Dieses Fenster beim &amp;Start anzeigen</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Sprache: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Liste der verfügbaren Objekte</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Abrufen …</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen …</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Bild im Uhrzeigersinn drehen</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Bild gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Bild horizontal spiegeln</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Bild vertikal spiegeln</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Bild in Graustufen umwandeln (kann nicht rückgängig gemacht werden)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>WAV/PCM-Version von AMR-Tönen &amp;erstellen:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>WAV/PCM-Version von A&amp;DPCM-Tönen erstellen:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Klicktöne der Schaltflächen ausschalten</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Ersetzen der Datei bestätigen</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Dieser Ordner enthält bereits eine Datei namens „%1“.
Möchten Sie die vorhandene Datei durch die Datei vom Mobiltelefon ersetzen?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Löschen des Objekts bestätigen</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Möchten Sie diese %1 Objekte wirklich löschen?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Diese Frage nicht mehr &amp;stellen</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Übertragung wird vorbereitet …</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Von diesem Mobiltelefon unterstützte Objektformate</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Bilder (Hintergrundbilder oder Anrufergruppen-Symbole)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animationen (Bildschirmschoner)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Töne (Melodien)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Einschränkungen</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – Unerwarteter Fehler</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>In: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> Zeile </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Wert: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Bitte wenden Sie sich an den Autor</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Drücken Sie Strg+C, um diese Informationen zu kopieren)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;unbekannte Anwendung&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>Quelle</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link kann nicht geöffnet werden:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Das Betriebssystem hat nicht genügend
Speicher oder Ressourcen.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Nicht genügend Speicher, um den Vorgang abzuschließen.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Die ausführbare Datei ist ungültig
(nicht unterstütztes Format oder beschädigte Datei).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte wegen
Zeitüberschreitung der Anfrage nicht abgeschlossen werden.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil gerade andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Dieser Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene dynamische Bibliothek (DLL) wurde nicht gefunden.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Ein unbekannter Fehler (%d) ist aufgetreten.</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d bit/s</translation>
    </message>
    <message id="main.usb">
        <source> USB</source>
        <translation> USB</translation>
    </message>
    <message id="progress.counter">
        <source>(%d/%d)</source>
        <extracomment>%d, %d = number of the current object and number of objects</extracomment>
        <translation>(%d/%d)</translation>
    </message>
    <message id="dlg154.1057">
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran wurde nicht gefunden: Installieren Sie das Paket libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Das Bild %1 konnte nicht durch seine umgewandelte Kopie ersetzt werden:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Zu senden, sobald ein Mobiltelefon gefunden ist: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Informazioni su Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Le impostazioni avranno pieno effetto al prossimo avvio dell'applicazione</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Rilevamento del cellulare</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(connessione con il cellulare persa)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>La connessione con il cellulare è stata persa!
Ricollegalo e riprova...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formati supportati da questo %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Tutti i formati supportati</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>File immagine</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animazioni</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>File audio</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Lettura del file...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Apertura della sessione...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Invio del titolo...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Invio dei dati del file...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>In attesa della conferma di ricezione...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Chiusura della sessione...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Richiesta del file...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Ricezione dei dati del file...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Invio dei dati del file in formato compresso...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Interruzione del trasferimento... Attendi</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Il formato di questo suono (%1) non è supportato nativamente dalla maggior parte dei lettori per Linux.
Quillora può anche crearne una copia in formato WAV/PCM (riproducibile ovunque).
Vuoi eseguire la conversione?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Si è verificato un errore di trasferimento!
Il cellulare non ha ricevuto correttamente tutti i dati.
La causa potrebbe essere un cavo che non supporta il controllo di flusso hardware.
Vuoi riprovare il trasferimento a una velocità più bassa?
(potrebbe risolvere il problema)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Eliminazione degli oggetti...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Invio/Ricezione</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Solo invio</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Questo programma permette di trasferire oggetti da un PC a un cellulare %1.
Puoi inviare immagini, animazioni e suoni al tuo telefono e recuperare gli oggetti che contiene.

Questo programma è fornito da %2 senza alcuna garanzia. Trasferisci solo oggetti che hai il diritto di usare.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Trasferimento al cellulare...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Trasferimento dal cellulare...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Eliminazione...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Salva oggetto come...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Tutti i file|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Anteprima della foto ricevuta (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Recupero dell'elenco...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Seleziona la cartella in cui salvare i %1!d! file selezionati:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Il file selezionato ha un formato sconosciuto a Quillora
e quindi probabilmente non è supportato dal tuo cellulare.
Prova con un altro file o, eventualmente, cambia l'estensione di questo file.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Le mie immagini</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>I miei suoni</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Le mie animazioni</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Il cellulare ha riscontrato un errore imprevisto durante l'elaborazione (Err%1!d!).
Prova a spegnere e riaccendere il telefono.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>L'oggetto è troppo grande per il cellulare (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Il cellulare non supporta questo tipo di oggetto (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Il cellulare non supporta il formato di questo oggetto (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Questo oggetto non si trova sul cellulare. Probabilmente è stato eliminato nel frattempo. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Il cellulare ha riscontrato un errore imprevisto durante la sincronizzazione (Err:%1!d!).
Riprova oppure prova a spegnere e riaccendere il telefono.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Su questo cellulare non è memorizzato alcun file!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>File %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Chiedi</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Sempre</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Controllo di questa porta</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Porta non disponibile su questo computer o disattivata dal BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Un altro programma sta usando questa porta. Chiudilo prima di continuare</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Impossibile accedere a questa porta. Prova a riavviare il computer</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Questa porta non sembra essere una porta esterna del PC</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Nessun cavo trovato su questa porta</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>È stato rilevato un cavo DATA, ma nessun cellulare è collegato</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Rilevato un cavo incompatibile. Usa un cavo DATA fornito da %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Impossibile riconoscere il cavo collegato a questa porta. Controlla i collegamenti</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>È stato rilevato un cavo DATA collegato</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Nessuna risposta dal cellulare. Prova a spegnerlo e riaccenderlo</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem trovato a %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Devi inserire una scheda SIM nel cellulare o accenderlo.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Impossibile identificare il modem</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Il cellulare ha il blocco SIM attivo o attende il codice PIN o il codice del telefono.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>È stato identificato un modem «%2»</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Il dispositivo collegato non è un cellulare compatibile</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Cellulare «%2» trovato!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>È stato trovato un cellulare «%2» sulla porta %1,
ma non supporta il trasferimento di oggetti</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>È stato trovato un cellulare sulla porta %1,
ma ha il blocco SIM attivo.
Inserisci il codice di sblocco SIM sul cellulare.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>È stato trovato un cellulare sulla porta %1,
ma il codice del telefono non è stato inserito.
Inserisci il codice del telefono sul cellulare.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>È stato trovato un cellulare sulla porta %1,
ma il codice PIN non è stato inserito.
Inserisci il codice PIN sul cellulare.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>È stato trovato un cellulare sulla porta %1,
ma non sembra acceso o non contiene una scheda SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Fino a %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Solo bianco e nero</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Colore a %1 bit</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Codifica progressiva</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Modalità senza perdita</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Grafica vettoriale</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: compatibile</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: non compatibile</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Traccia singola</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Fino a %1 tracce</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Gamma di frequenze: %1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bit - %2 - %3 Hz</translation>
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
        <translation>%1!d! minuti rimanenti</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! secondi rimanenti</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! byte ricevuti su %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Si è verificato l'errore %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossibile aprire il file «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Il file «%2» è vuoto!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossibile leggere il file «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Questo cellulare non supporta il trasferimento di oggetti</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Il cellulare ha inviato una risposta inattesa</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>La memoria del cellulare non può contenere un oggetto di queste dimensioni.
Puoi scegliere un oggetto più piccolo o eliminare qualche oggetto dal cellulare.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossibile creare il file «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Impossibile accedere alla porta di comunicazione</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>I dati ricevuti dal cellulare non sono validi</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Il cellulare ha segnalato un errore.
Il file selezionato potrebbe non esistere più</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Il cellulare non ha capito la richiesta. Riprova...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Il cellulare non risponde più. Verifica che sia collegato correttamente.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Errore di trasferimento, alcuni dati sono andati persi.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Ricevi...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Rilevamento automatico del cellulare...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(collega ora il cellulare, se non l'hai già fatto)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Tipo di cellulare:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>sulla porta:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Invia...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>velocità:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Trasferimenti possibili:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>Im&amp;postazioni</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Mostra il file della guida</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Utilizzo di Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Mostra questa schermata all'avvio</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Lingua: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Elenco degli oggetti disponibili</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Recupera...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Elimina...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Ruota l'immagine in senso orario</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Ruota l'immagine in senso antiorario</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Rifletti l'immagine orizzontalmente</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Rifletti l'immagine verticalmente</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Converti l'immagine in scala di grigi (non si può annullare)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Crea una versione WAV/PCM dei suoni AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Crea una versione WAV/PCM dei suoni A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Disattiva i suoni dei pulsanti</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Conferma sostituzione file</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Sì a &amp;tutti</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>S&amp;alta</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Questa cartella contiene già un file chiamato «%1».
Vuoi sostituire il file esistente con quello del cellulare?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Conferma eliminazione oggetto</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Vuoi davvero eliminare «%1»?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Vuoi davvero eliminare questi %1 oggetti?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Non fare più questa &amp;domanda</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Preparazione del trasferimento...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formati di oggetti supportati da questo cellulare</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Immagini (sfondi o icone dei gruppi di chiamanti)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animazioni (salvaschermo)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Suoni (melodie)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitazioni</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Errore imprevisto</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Si è verificato un errore imprevisto!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>In: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> riga </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Valore: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Contatta l'autore</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Premi Ctrl+C per copiare queste informazioni)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;applicazione sconosciuta&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>sorgente</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Impossibile trovare il percorso specificato.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l'accesso al file specificato.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l'operazione.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Il file eseguibile non è valido
(formato non supportato o file danneggiato).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L'associazione del nome file è
incompleta o non valida.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché il tempo di attesa della richiesta è scaduto.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso di elaborazione
altre transazioni DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all'estensione del nome file indicata.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Impossibile trovare la libreria a collegamento dinamico specificata.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Si è verificato un errore sconosciuto (%d).</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d bps</translation>
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
        <translation>&amp;Lingua:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran non trovato: installa il pacchetto libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Impossibile sostituire l'immagine %1 con la sua copia trasformata:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Da inviare non appena viene trovato un cellulare: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Despre Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Setările vor avea efect deplin la următoarea pornire a aplicației</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detectarea telefonului mobil</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(conexiunea cu telefonul mobil s-a pierdut)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Conexiunea cu telefonul mobil s-a pierdut!
Reconectați-l și încercați din nou...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formate acceptate de acest %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Toate formatele acceptate</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Fișiere grafice</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animații</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Fișiere audio</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard-uri</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar-uri</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Toate fișierele</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Se citește fișierul...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Se deschide sesiunea...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Se trimite titlul...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Se trimit datele fișierului...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Se așteaptă confirmarea de primire...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Se închide sesiunea...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Se solicită fișierul...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Se primesc datele fișierului...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Se trimit datele fișierului în format comprimat...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Se oprește transferul... Așteptați</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Formatul acestui sunet (%1) nu este acceptat nativ de majoritatea programelor de redare din Linux.
Quillora poate crea și o copie în format WAV/PCM (care poate fi redată oriunde).
Doriți să efectuați conversia?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>A apărut o eroare de transfer!
Telefonul mobil nu a primit corect toate datele.
Cauza poate fi un cablu care nu acceptă controlul hardware al fluxului.
Doriți să reîncercați transferul la o viteză mai mică?
(aceasta ar putea rezolva problema)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Se șterg obiectele...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Trimitere/Primire</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Doar trimitere</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Acest program permite transferul de obiecte de pe un PC pe un telefon mobil %1.
Puteți trimite imagini, animații și sunete pe telefon și puteți prelua obiectele stocate pe acesta.

Acest program este oferit de %2 fără nicio garanție. Transferați doar obiecte pe care aveți dreptul să le folosiți.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Se transferă pe telefonul mobil...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Se transferă de pe telefonul mobil...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Se șterge...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Salvează obiectul ca...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Toate fișierele|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Previzualizare fotografie primită (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Se preia lista...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Alegeți dosarul în care vor fi salvate fișierele selectate (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Fișierul ales are un format necunoscut pentru Quillora
și, prin urmare, probabil nu este acceptat de telefonul mobil.
Încercați alt fișier sau, eventual, schimbați extensia acestui fișier.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Imaginile mele</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Sunetele mele</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Animațiile mele</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefonul mobil a întâmpinat o eroare neașteptată în timpul procesării (Err%1!d!).
Încercați să opriți telefonul și să-l porniți din nou.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Obiectul este prea mare pentru telefonul mobil (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefonul mobil nu acceptă acest tip de obiect (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefonul mobil nu acceptă formatul acestui obiect (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Acest obiect nu se află pe telefonul mobil. Probabil a fost șters între timp. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefonul mobil a întâmpinat o eroare neașteptată în timpul sincronizării (Err:%1!d!).
Încercați din nou sau încercați să opriți telefonul și să-l porniți din nou.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Pe acest telefon mobil nu este stocat niciun fișier!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titlu</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>Fișier %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Niciodată</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Întreabă</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Întotdeauna</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Se verifică acest port</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port indisponibil pe acest calculator sau dezactivat din BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Un alt program folosește acum acest port. Închideți-l mai întâi</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Nu se poate accesa acest port. Încercați să reporniți calculatorul</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Acest port nu pare să fie un port extern al PC-ului</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Nu s-a găsit niciun cablu pe acest port</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>A fost detectat un cablu DATA, dar nu este conectat niciun telefon mobil</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>A fost detectat un cablu incompatibil. Folosiți un cablu DATA furnizat de %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Cablul conectat la acest port nu a putut fi recunoscut. Verificați conexiunile</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>A fost detectat un cablu DATA conectat</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Telefonul mobil nu răspunde. Încercați să-l opriți și să-l porniți din nou</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem găsit la %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Trebuie să introduceți o cartelă SIM în telefon sau să-l porniți.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modemul nu poate fi identificat</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Telefonul are blocarea SIM activă sau așteaptă codul PIN sau codul telefonului.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>A fost identificat un modem „%2”</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Dispozitivul conectat nu este un telefon mobil compatibil</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Telefonul mobil „%2” a fost găsit!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Pe portul %1 a fost găsit un telefon mobil „%2”,
dar acesta nu acceptă transferul de obiecte</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Pe portul %1 a fost găsit un telefon mobil,
dar acesta are blocarea SIM activă.
Introduceți codul de deblocare SIM pe telefonul mobil.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Pe portul %1 a fost găsit un telefon mobil,
dar codul telefonului nu a fost introdus.
Introduceți codul telefonului pe telefonul mobil.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Pe portul %1 a fost găsit un telefon mobil,
dar codul PIN nu a fost introdus.
Introduceți codul PIN pe telefonul mobil.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Pe portul %1 a fost găsit un telefon mobil,
dar acesta nu pare să fie pornit sau să conțină o cartelă SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Nelimitat</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Până la %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Doar alb-negru</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Culoare (biți): %1</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Codare progresivă</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Mod fără pierderi</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Grafică vectorială</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: da</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: nu</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>O singură pistă</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Piste: până la %1</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Interval de frecvență: %1-%2 Hz</translation>
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
        <translation>Minute rămase: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Secunde rămase: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Octeți primiți: %1!d! din %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>A apărut eroarea %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Fișierul „%2” nu poate fi deschis</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Fișierul „%2” este gol!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Fișierul „%2” nu poate fi citit!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Acest telefon mobil nu acceptă transferul de obiecte</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Telefonul mobil a trimis un răspuns neașteptat</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Memoria telefonului mobil nu poate stoca un obiect de această dimensiune.
Puteți alege un obiect mai mic sau puteți șterge câteva obiecte de pe telefonul mobil.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Fișierul „%2” nu poate fi creat</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Portul de comunicație nu poate fi accesat</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Datele primite de la telefonul mobil nu sunt valide</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Telefonul mobil a semnalat o eroare.
Este posibil ca fișierul selectat să nu mai existe</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Telefonul mobil nu a înțeles cererea. Încercați din nou...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Telefonul mobil nu mai răspunde. Verificați dacă este conectat corect.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Eroare de transfer, unele date s-au pierdut.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Primește...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Detectare automată a telefonului mobil...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(conectați acum telefonul mobil, dacă nu ați făcut-o deja)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Tip de telefon mobil:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>pe portul:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Trimite...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>viteză:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Transferuri posibile:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Setări</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Afișează fișierul de ajutor</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Utilizarea programului Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Afișează acest ecran la pornire</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Limbă: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lista obiectelor disponibile</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Preia...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>Șt&amp;erge...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Selectează &amp;tot</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Rotește imaginea în sensul acelor de ceasornic</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Rotește imaginea în sens invers acelor de ceasornic</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Oglindește imaginea pe orizontală</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Oglindește imaginea pe verticală</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Convertește imaginea în tonuri de gri (nu se poate anula)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Creează o versiune WAV/PCM a sunetelor AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Creează o versiune WAV/PCM a sunetelor A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Dezactivează sunetele butoanelor</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Confirmare înlocuire fișier</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Omite</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Redenumește</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Acest dosar conține deja un fișier numit „%1”.
Doriți să înlocuiți fișierul existent cu fișierul de pe telefon?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Confirmare ștergere obiect</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Sigur doriți să ștergeți aceste obiecte (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Nu mai &amp;pune această întrebare</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Se pregătește transferul...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formate de obiecte acceptate de acest telefon mobil</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Imagini (imagini de fundal sau pictograme de grup de apelanți)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animații (economizoare de ecran)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sunete (melodii)</translation>
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
        <translation>Dimensiuni</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitări</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Eroare neașteptată</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>A apărut o eroare neașteptată!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>În: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> linia </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Valoare: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Contactați autorul</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Apăsați Ctrl+C pentru a copia aceste informații)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;aplicație necunoscută&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>sursă</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Legătura nu poate fi deschisă:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Sistemul de operare nu mai are
memorie sau resurse disponibile.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Fișierul specificat nu a fost găsit.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Calea specificată nu a fost găsită.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Sistemul de operare a refuzat
accesul la fișierul specificat.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Nu există suficientă memorie pentru a finaliza operația.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Fișierul executabil nu este valid
(format neacceptat sau fișier deteriorat).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>A apărut o încălcare a partajării. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Asocierea numelui de fișier este
incompletă sau nevalidă.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Tranzacția DDE nu a putut fi
finalizată, deoarece cererea a expirat.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Tranzacția DDE a eșuat.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Tranzacția DDE nu a putut fi
finalizată, deoarece alte tranzacții DDE
erau în curs de procesare.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nu există nicio aplicație asociată
cu extensia de nume de fișier indicată.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Biblioteca cu legare dinamică specificată nu a fost găsită.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>A apărut o eroare necunoscută (%d).</translation>
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
        <translation>&amp;Limbă:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran nu a fost găsit: instalați pachetul libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Imaginea %1 nu a putut fi înlocuită cu copia ei transformată:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>De trimis după găsirea unui telefon mobil: %1</translation>
    </message>
</context>
</TS>

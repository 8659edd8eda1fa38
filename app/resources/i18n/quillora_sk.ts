<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;O aplikácii Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Nastavenia sa naplno prejavia pri ďalšom spustení aplikácie</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detekcia mobilného telefónu</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(spojenie s mobilným telefónom sa stratilo)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Spojenie s mobilným telefónom sa stratilo!
Znova ho pripojte a skúste to ešte raz…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formáty podporované telefónom %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Všetky podporované formáty</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Grafické súbory</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animácie</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Zvukové súbory</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Súbory vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Súbory vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Všetky súbory</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Čítanie súboru…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Otváranie relácie…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Odosielanie názvu…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Odosielanie údajov súboru…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Čakanie na potvrdenie…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Zatváranie relácie…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Odosielanie požiadavky na súbor…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Prijímanie údajov súboru…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Odosielanie údajov súboru v komprimovanej podobe…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Zastavuje sa prenos… Čakajte, prosím</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Formát tohto zvuku (%1) väčšina prehrávačov v Linuxe priamo nepodporuje.
Quillora môže vytvoriť aj kópiu vo formáte WAV/PCM (dá sa prehrať všade).
Chcete vykonať konverziu?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Vyskytla sa chyba prenosu!
Mobilný telefón neprijal správne všetky údaje.
Príčinou môže byť kábel, ktorý nepodporuje hardvérové riadenie toku.
Chcete skúsiť prenos znova pri nižšej rýchlosti?
(mohlo by to problém vyriešiť)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Odstraňovanie objektov…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Odosielanie aj príjem</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Iba odosielanie</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Tento nástroj umožňuje prenášať objekty z počítača do mobilného telefónu %1.
Do telefónu môžete odosielať obrázky, animácie a zvuky a sťahovať z neho uložené objekty.

Tento nástroj poskytuje spoločnosť %2 bez akejkoľvek záruky. Prenášajte iba objekty, ktoré máte právo používať.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Prenos do mobilného telefónu…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Prenos z mobilného telefónu…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Odstraňovanie…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Uložiť objekt ako…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Všetky súbory|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Náhľad prijatej fotografie (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Načítava sa zoznam…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Vyberte priečinok, do ktorého sa majú uložiť vybrané súbory (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Vybraný súbor má formát, ktorý Quillora nepozná,
a preto ho váš mobilný telefón pravdepodobne nepodporuje.
Skúste iný súbor alebo prípadne zmeňte príponu tohto súboru.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Moje obrázky</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Moje zvuky</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Moje animácie</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilnom telefóne sa počas spracovania vyskytla neočakávaná chyba (kód chyby: %1!d!).
Skúste telefón vypnúť a znova zapnúť.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objekt je pre mobilný telefón príliš veľký (kód chyby: %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilný telefón nepodporuje tento druh objektov (kód chyby: %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilný telefón nepodporuje formát tohto objektu (kód chyby: %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Tento objekt sa v mobilnom telefóne nenašiel. Pravdepodobne bol medzitým vymazaný. (kód chyby: %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilnom telefóne sa počas synchronizácie vyskytla neočakávaná chyba (kód chyby: %1!d!).
Skúste to znova alebo telefón vypnite a znova zapnite.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>V tomto mobilnom telefóne nie sú uložené žiadne súbory!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Názov</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Veľkosť</translation>
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
        <translation>Súbor %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nikdy</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Pýtať sa</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Vždy</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Kontroluje sa tento port</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port nie je v tomto počítači dostupný alebo je vypnutý v systéme BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Tento port práve používa iný program. Najprv ho zatvorte</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>K tomuto portu nie je možné získať prístup. Skúste reštartovať počítač</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Tento port zrejme nie je externým portom vášho počítača</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Na tomto porte sa nenašiel žiadny kábel</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Zistil sa dátový kábel, ale nie je k nemu pripojený žiadny mobilný telefón</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Zistil sa nekompatibilný kábel. Použite dátový kábel od spoločnosti %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kábel pripojený k tomuto portu sa nepodarilo rozpoznať. Skontrolujte pripojenie</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Zistil sa pripojený dátový kábel</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Mobilný telefón neodpovedá. Skúste ho vypnúť a znova zapnúť</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Našiel sa modem s rýchlosťou %1!d! b/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Vložte do mobilného telefónu SIM kartu alebo ho zapnite.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modem sa nepodarilo identifikovať</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobilný telefón má zapnuté blokovanie SIM alebo čaká na zadanie kódu PIN či bezpečnostného kódu.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Identifikoval sa modem „%2“</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Pripojené zariadenie nie je kompatibilný mobilný telefón</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Našiel sa mobilný telefón „%2“!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Na porte %1 sa našiel mobilný telefón „%2“,
ale nepodporuje prenos objektov</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porte %1 sa našiel mobilný telefón,
ale má zapnuté blokovanie SIM (simlock).
Zadajte v mobilnom telefóne kód blokovania SIM.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porte %1 sa našiel mobilný telefón,
ale nebol zadaný jeho bezpečnostný kód.
Zadajte v mobilnom telefóne bezpečnostný kód.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porte %1 sa našiel mobilný telefón,
ale nebol zadaný kód PIN.
Zadajte v mobilnom telefóne kód PIN.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porte %1 sa našiel mobilný telefón,
ale zrejme nie je zapnutý alebo v ňom nie je SIM karta.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Neobmedzené</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Až %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Iba čiernobiele</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bitové farby</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progresívne kódovanie</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Bezstratový režim</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorová grafika</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: podporované</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: nepodporované</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Jedna stopa</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Počet stôp: až %1</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvenčný rozsah: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1-bitový – %2 – %3 Hz</translation>
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
        <translation>Zostáva minút: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Zostáva sekúnd: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Prijaté bajty: %1!d! z %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Vyskytla sa chyba %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Súbor „%2“ sa nepodarilo otvoriť</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Súbor „%2“ je prázdny!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Súbor „%2“ sa nepodarilo prečítať!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Tento mobilný telefón nepodporuje prenos objektov</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobilný telefón vrátil neočakávanú odpoveď</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Do pamäte mobilného telefónu nie je možné uložiť objekt takejto veľkosti.
Môžete vybrať menší objekt alebo z mobilného telefónu niektoré objekty odstrániť.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Súbor „%2“ sa nepodarilo vytvoriť</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Komunikačný port nie je prístupný</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Údaje prijaté z mobilného telefónu sú neplatné</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobilný telefón ohlásil chybu.
Vybraný súbor už možno neexistuje</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobilný telefón nerozumel požiadavke. Skúste to znova…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobilný telefón prestal odpovedať. Skontrolujte, či je správne pripojený.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Chyba prenosu – údaje sa stratili.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Ukončiť</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Prijať…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatická detekcia mobilného telefónu…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(ak ste tak ešte neurobili, pripojte teraz mobilný telefón)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Typ mobilného telefónu:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na porte:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Odoslať…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>rýchlosť:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Možné prenosy:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Nastavenia</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Zobraziť pomocníka</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Používanie aplikácie Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Zobrazovať toto okno pri spustení</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Jazyk: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Zoznam dostupných objektov</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Zavrieť</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Stiahnuť…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Odstrániť…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Vybrať &amp;všetko</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Otočiť obrázok v smere hodinových ručičiek</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Otočiť obrázok proti smeru hodinových ručičiek</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Preklopiť obrázok vodorovne</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Preklopiť obrázok zvislo</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Previesť obrázok na odtiene sivej (nedá sa vrátiť späť)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Vytvárať verziu WAV/PCM zo zvukov AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Vytvárať verziu WAV/PCM zo zvukov A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Vypnúť zvuky tlačidiel</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Potvrdenie nahradenia súboru</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Nahradiť &amp;všetky</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>Pre&amp;skočiť</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Premenovať</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Tento priečinok už obsahuje súbor s názvom „%1“.
Chcete nahradiť existujúci súbor súborom z mobilného telefónu?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Potvrdenie odstránenia objektu</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Naozaj chcete odstrániť „%1“?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Naozaj chcete odstrániť vybrané objekty (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Túto otázku už nezobrazovať</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Príprava prenosu…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formáty objektov podporované týmto mobilným telefónom</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Obrázky (tapety alebo ikony skupín volajúcich)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animácie (šetriče obrazovky)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Zvuky (melódie)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Formát</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Rozmery</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Obmedzenia</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – neočakávaná chyba</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Vyskytla sa neočakávaná chyba!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>V súbore: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> riadok </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Hodnota: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Kontaktujte, prosím, autora</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Stlačením Ctrl+C tieto informácie skopírujete)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;neznáma aplikácia&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>zdroj</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Odkaz sa nepodarilo otvoriť:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operačný systém nemá dostatok
pamäte alebo prostriedkov.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Zadaný súbor sa nenašiel.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Zadaná cesta sa nenašla.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operačný systém zamietol
prístup k zadanému súboru.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Na dokončenie operácie nie je dostatok pamäte.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Spustiteľný súbor je neplatný
(nepodporovaný formát alebo poškodený súbor).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Vyskytlo sa porušenie zdieľania. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Priradenie názvu súboru je
neúplné alebo neplatné.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Transakciu DDE nebolo možné dokončiť,
pretože vypršal časový limit požiadavky.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Transakcia DDE zlyhala.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Transakciu DDE nebolo možné dokončiť,
pretože prebiehalo spracovanie
iných transakcií DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>So zadanou príponou súboru
nie je spojená žiadna aplikácia.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Zadaná dynamická knižnica (DLL) sa nenašla.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Vyskytla sa neznáma chyba (%d).</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d b/s</translation>
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
        <translation>&amp;Jazyk:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Program jpegtran sa nenašiel: nainštalujte balík libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Obrázok %1 sa nepodarilo nahradiť jeho upravenou kópiou:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Na odoslanie po nájdení telefónu: %1</translation>
    </message>
</context>
</TS>

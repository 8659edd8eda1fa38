<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;O aplikaci Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Nastavení se plně projeví při příštím spuštění aplikace</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detekce mobilního telefonu</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(spojení s mobilním telefonem bylo ztraceno)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Spojení s mobilním telefonem bylo ztraceno!
Znovu jej připojte a zkuste to ještě jednou…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formáty podporované telefonem %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Všechny podporované formáty</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Grafické soubory</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animace</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Zvukové soubory</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Soubory vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Soubory vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Čtení souboru…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Otevírání relace…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Odesílání názvu…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Odesílání dat souboru…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Čekání na potvrzení…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Ukončování relace…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Odesílání požadavku na soubor…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Příjem dat souboru…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Odesílání dat souboru v komprimované podobě…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Zastavování přenosu… Čekejte prosím</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Formát tohoto zvuku (%1) většina přehrávačů v Linuxu přímo nepodporuje.
Quillora může také vytvořit kopii ve formátu WAV/PCM (lze ji přehrát kdekoli).
Chcete provést převod?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Došlo k chybě přenosu!
Mobilní telefon nepřijal správně všechna data.
Příčinou může být kabel, který nepodporuje hardwarové řízení toku.
Chcete zkusit přenos znovu při nižší rychlosti?
(to by mohlo problém vyřešit)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Mazání objektů…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Odesílání i příjem</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Pouze odesílání</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Tento nástroj umožňuje přenášet objekty z počítače do mobilního telefonu %1.
Do telefonu můžete odesílat obrázky, animace a zvuky a stahovat z něj uložené objekty.

Tento nástroj poskytuje společnost %2 bez jakékoli záruky. Přenášejte pouze objekty, které máte právo používat.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Přenos do mobilního telefonu…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Přenos z mobilního telefonu…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Mazání…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Uložit objekt jako…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Všechny soubory|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Náhled přijaté fotografie (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Načítání seznamu…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Vyberte složku, do které se mají uložit vybrané soubory (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Vybraný soubor má formát, který Quillora nezná,
a proto jej váš mobilní telefon pravděpodobně nepodporuje.
Zkuste jiný soubor nebo případně změňte příponu tohoto souboru.</translation>
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
        <translation>Moje animace</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilním telefonu došlo během zpracování k neočekávané chybě (kód chyby: %1!d!).
Zkuste telefon vypnout a znovu zapnout.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objekt je pro mobilní telefon příliš velký (kód chyby: %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilní telefon tento druh objektů nepodporuje (kód chyby: %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilní telefon nepodporuje formát tohoto objektu (kód chyby: %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Tento objekt nebyl v mobilním telefonu nalezen. Pravděpodobně byl mezitím smazán. (kód chyby: %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilním telefonu došlo během synchronizace k neočekávané chybě (kód chyby: %1!d!).
Zkuste to znovu nebo telefon vypněte a znovu zapněte.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>V tomto mobilním telefonu nejsou uloženy žádné soubory!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Název</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Velikost</translation>
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
        <translation>Soubor %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nikdy</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Ptát se</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Vždy</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Kontrola tohoto portu</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port v tomto počítači není k dispozici nebo je vypnutý v BIOSu.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Tento port právě používá jiný program. Nejprve jej ukončete</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>K tomuto portu nelze získat přístup. Zkuste restartovat počítač</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Tento port zřejmě není externím portem vašeho počítače</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Na tomto portu nebyl nalezen žádný kabel</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Byl zjištěn datový kabel, ale není k němu připojen žádný mobilní telefon</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Zjištěn nekompatibilní kabel. Použijte datový kabel od společnosti %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kabel připojený k tomuto portu nelze rozpoznat. Zkontrolujte připojení</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Byl zjištěn připojený datový kabel</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Mobilní telefon neodpovídá. Zkuste jej vypnout a znovu zapnout</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Nalezen modem s rychlostí %1!d! b/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Vložte do mobilního telefonu SIM kartu nebo jej zapněte.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modem nelze identifikovat</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobilní telefon má blokaci SIM nebo čeká na zadání kódu PIN či bezpečnostního kódu.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Byl identifikován modem „%2“</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Připojené zařízení není kompatibilním mobilním telefonem</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Nalezen mobilní telefon „%2“!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Na portu %1 byl nalezen mobilní telefon „%2“,
ale nepodporuje přenos objektů</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na portu %1 byl nalezen mobilní telefon,
ale má zapnutou blokaci SIM (simlock).
Zadejte v mobilním telefonu kód blokace SIM.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na portu %1 byl nalezen mobilní telefon,
ale nebyl zadán jeho bezpečnostní kód.
Zadejte v mobilním telefonu bezpečnostní kód.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na portu %1 byl nalezen mobilní telefon,
ale nebyl zadán kód PIN.
Zadejte v mobilním telefonu kód PIN.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na portu %1 byl nalezen mobilní telefon,
ale zřejmě není zapnutý nebo v něm není SIM karta.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Neomezeno</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Až %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Pouze černobílé</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1bitové barvy</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progresivní kódování</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Bezeztrátový režim</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorová grafika</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: podporováno</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: nepodporováno</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Jedna stopa</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Počet stop: až %1</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvenční rozsah: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1bitový – %2 – %3 Hz</translation>
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
        <translation>Zbývá minut: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Zbývá sekund: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Přijato %1!d! z %2!d! bajtů</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Došlo k chybě %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Soubor „%2“ nelze otevřít</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Soubor „%2“ je prázdný!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Soubor „%2“ nelze přečíst!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Tento mobilní telefon nepodporuje přenos objektů</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobilní telefon vrátil neočekávanou odpověď</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Do paměti mobilního telefonu nelze uložit objekt této velikosti.
Můžete zvolit menší objekt nebo z mobilního telefonu některé objekty smazat.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Soubor „%2“ nelze vytvořit</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Ke komunikačnímu portu nelze získat přístup</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Data přijatá z mobilního telefonu jsou neplatná</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobilní telefon ohlásil chybu.
Vybraný soubor už možná neexistuje</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobilní telefon nerozuměl požadavku. Zkuste to znovu…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobilní telefon přestal odpovídat. Zkontrolujte, zda je správně připojen.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Chyba přenosu – data byla ztracena.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Přijmout…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatická detekce mobilního telefonu…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(pokud jste tak ještě neučinili, připojte nyní mobilní telefon)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Typ mobilního telefonu:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na portu:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Odeslat…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>rychlost:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Možné přenosy:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Zobrazit nápovědu</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Používání aplikace Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Zobrazovat toto okno při spuštění</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Jazyk: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Seznam dostupných objektů</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Stáhnout…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>S&amp;mazat…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Vybrat &amp;vše</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Otočit obrázek po směru hodinových ručiček</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Otočit obrázek proti směru hodinových ručiček</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Překlopit obrázek vodorovně</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Překlopit obrázek svisle</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Převést obrázek na odstíny šedi (nelze vrátit zpět)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Vytvářet verzi WAV/PCM ze zvuků AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Vytvářet verzi WAV/PCM ze zvuků A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Vypnout zvuky tlačítek</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Potvrzení nahrazení souboru</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Nahradit &amp;vše</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>Pře&amp;skočit</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Přejmenovat</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Tato složka již obsahuje soubor s názvem „%1“.
Chcete nahradit stávající soubor souborem z mobilního telefonu?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Potvrzení smazání objektu</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Opravdu chcete smazat „%1“?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Opravdu chcete smazat vybrané objekty (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Příště se již neptat</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Příprava přenosu…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formáty objektů podporované tímto mobilním telefonem</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Obrázky (tapety nebo ikony skupin volajících)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animace (spořiče obrazovky)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Zvuky (melodie)</translation>
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
        <translation>Rozměry</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Omezení</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – neočekávaná chyba</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Došlo k neočekávané chybě!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>V souboru: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> řádek </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Hodnota: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Kontaktujte prosím autora</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Stisknutím Ctrl+C tyto informace zkopírujete)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;neznámá aplikace&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>zdroj</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Odkaz nelze otevřít:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operační systém nemá dostatek
paměti nebo prostředků.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Zadaný soubor nebyl nalezen.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Zadaná cesta nebyla nalezena.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operační systém odepřel
přístup k zadanému souboru.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Pro dokončení operace není dostatek paměti.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Spustitelný soubor je neplatný
(nepodporovaný formát nebo poškozený soubor).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Došlo k porušení sdílení. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Přiřazení názvu souboru je
neúplné nebo neplatné.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Transakci DDE nelze dokončit,
protože vypršel časový limit požadavku.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Transakce DDE selhala.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Transakci DDE nelze dokončit,
protože probíhalo zpracování
jiných transakcí DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>K zadané příponě souboru
není přiřazena žádná aplikace.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Zadaná dynamická knihovna (DLL) nebyla nalezena.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Došlo k neznámé chybě (%d).</translation>
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
        <translation>Program jpegtran nebyl nalezen: nainstalujte balíček libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Obrázek %1 nelze nahradit jeho upravenou kopií:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>K odeslání po nalezení telefonu: %1</translation>
    </message>
</context>
</TS>

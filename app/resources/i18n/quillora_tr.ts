<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>Quillora &amp;Hakkında…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Ayarlar, uygulamanın bir sonraki açılışında tamamen geçerli olacak</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Cep telefonu algılama</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(cep telefonuyla bağlantı kesildi)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Cep telefonuyla bağlantı kesildi!
Telefonu yeniden takıp tekrar deneyin…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>%1 tarafından desteklenen biçimler</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Desteklenen tüm biçimler</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Resim dosyaları</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animasyonlar</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Ses dosyaları</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard’lar</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar’lar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Dosya okunuyor…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Oturum açılıyor…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Başlık gönderiliyor…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Dosya verileri gönderiliyor…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Onay bekleniyor…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Oturum kapatılıyor…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Dosya isteniyor…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Dosya verileri alınıyor…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Dosya verileri sıkıştırılarak gönderiliyor…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Aktarım durduruluyor… Lütfen bekleyin</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Bu sesin biçimi (%1), Linux’taki çoğu oynatıcı tarafından doğrudan desteklenmiyor.
Quillora, sesin WAV/PCM biçiminde bir kopyasını da oluşturabilir (her yerde çalınabilir).
Dönüştürmek ister misiniz?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Bir aktarım hatası oluştu!
Cep telefonu verilerin tümünü doğru olarak alamadı.
Bunun nedeni, donanımsal akış denetimini desteklemeyen bir kablo olabilir.
Aktarımı düşük bir hızda yeniden denemek ister misiniz?
(bu, sorunu çözebilir)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Öğeler siliniyor…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Gönderme/Alma</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Yalnızca gönderme</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Bu yazılım aracı, bilgisayardan %1 cep telefonuna öğe aktarmanızı sağlar.
Telefonunuza resim, animasyon ve ses gönderebilir, telefonda saklanan öğeleri alabilirsiniz.

Bu araç, %2 tarafından hiçbir garanti verilmeden sunulmaktadır. Yalnızca kullanma hakkına sahip olduğunuz öğeleri aktarın.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Cep telefonuna aktarılıyor…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Cep telefonundan aktarılıyor…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Siliniyor…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Öğeyi farklı kaydet…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Tüm dosyalar|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Alınan fotoğrafın önizlemesi (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Liste alınıyor…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Lütfen seçili %1!d! dosyanın kaydedileceği klasörü seçin:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Seçtiğiniz dosyanın biçimi Quillora tarafından tanınmıyor,
bu nedenle cep telefonunuz da büyük olasılıkla bu dosyayı desteklemiyor.
Lütfen başka bir dosya deneyin ya da bu dosyanın uzantısını değiştirin.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Resimlerim</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Seslerim</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Animasyonlarım</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Cep telefonunda işlem sırasında beklenmeyen bir hata oluştu (Hata %1!d!).
Telefonunuzu kapatıp yeniden açmayı deneyin.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Öğe, cep telefonu için çok büyük (Hata %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Cep telefonu bu tür öğeleri desteklemiyor (Hata %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Cep telefonu bu öğenin biçimini desteklemiyor (Hata %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Bu öğe cep telefonunda bulunamadı. Büyük olasılıkla bu arada silinmiş. (Hata %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Cep telefonunda eşitleme sırasında beklenmeyen bir hata oluştu (Hata %1!d!).
Yeniden deneyin ya da telefonunuzu kapatıp yeniden açmayı deneyin.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Bu cep telefonunda kayıtlı hiçbir dosya yok!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1 dosyası</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Asla</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Sor</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Her zaman</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Bu bağlantı noktası denetleniyor</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Bağlantı noktası bu bilgisayarda yok ya da BIOS’ta devre dışı bırakılmış.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Bu bağlantı noktasını şu anda başka bir program kullanıyor. Lütfen önce o programı kapatın</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Bu bağlantı noktasına erişilemiyor. Bilgisayarınızı yeniden başlatmayı deneyin</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Bu, bilgisayarınızın harici bir bağlantı noktası gibi görünmüyor</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Bu bağlantı noktasında kablo bulunamadı</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Bir veri kablosu algılandı, ancak bağlı cep telefonu yok</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Uyumsuz kablo algılandı. %3 tarafından sağlanan bir veri kablosu kullanın</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Bu bağlantı noktasına takılı kablo tanınamadı. Bağlantılarınızı denetleyin</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Bağlı bir veri kablosu algılandı</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Cep telefonundan yanıt yok. Telefonu kapatıp yeniden açmayı deneyin</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>%1!d! bit/s hızında modem bulundu</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Cep telefonunuza SIM kart takmalı ya da telefonu açmalısınız.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modem tanımlanamadı</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Cep telefonu SIM kilitli ya da PIN kodunu veya güvenlik kodunu bekliyor.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>“%2” modemi tanımlandı</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Bağlı aygıt uyumlu bir cep telefonu değil</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>“%2” cep telefonu bulundu!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>%1 bağlantı noktasında “%2” cep telefonu bulundu,
ancak bu telefon öğe aktarımını desteklemiyor</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>%1 bağlantı noktasında bir cep telefonu bulundu,
ancak telefon SIM kilitli.
Lütfen SIM kilidi kodunu cep telefonuna girin.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>%1 bağlantı noktasında bir cep telefonu bulundu,
ancak telefonun güvenlik kodu girilmemiş.
Lütfen güvenlik kodunu cep telefonuna girin.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>%1 bağlantı noktasında bir cep telefonu bulundu,
ancak telefonun PIN kodu girilmemiş.
Lütfen PIN kodunu cep telefonuna girin.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>%1 bağlantı noktasında bir cep telefonu bulundu,
ancak telefon açık değil ya da içinde SIM kart yok gibi görünüyor.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Sınırsız</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>En çok %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Yalnızca siyah beyaz</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1 bit renk</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Aşamalı kodlama</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Kayıpsız kip</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektör grafik</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 destekleniyor</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 desteklenmiyor</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Tek sesli</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>En çok %1 sesli</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekans aralığı: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bit – %2 – %3 Hz</translation>
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
        <translation>%1!d! dakika kaldı</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! saniye kaldı</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! / %2!d! bayt alındı</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Bir hata oluştu (%1!d!)</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>“%2” dosyası açılamadı</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>“%2” dosyası boş!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>“%2” dosyası okunamadı!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Bu cep telefonu öğe aktarımını desteklemiyor</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Cep telefonu beklenmeyen bir yanıt verdi</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Cep telefonunun belleğinde bu boyutta bir öğe için yer yok.
Daha küçük bir öğe seçebilir ya da cep telefonundan bazı öğeleri silebilirsiniz.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>“%2” dosyası oluşturulamadı</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>İletişim bağlantı noktasına erişilemiyor</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Cep telefonundan alınan veriler geçersiz</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Cep telefonu bir hata bildirdi.
Seçilen dosya artık mevcut olmayabilir</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Cep telefonu isteği anlamadı. Yeniden deneyin…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Cep telefonu artık yanıt vermiyor. Lütfen telefonun doğru bağlanıp bağlanmadığını denetleyin.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Alma sırasında hata oluştu, veriler kayboldu.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Al…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Cep telefonu otomatik olarak algılanıyor…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(henüz takmadıysanız cep telefonunuzu şimdi takın)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Cep telefonu modeli:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>bağlantı noktası:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Gönder…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>hız:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Olası aktarımlar:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>A&amp;yarlar</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Yardım dosyasını göster</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Quillora kullanımı</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>Bu ekranı başlangıçta &amp;göster</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Dil: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Kullanılabilir öğelerin listesi</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Al…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Sil…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>&amp;Tümünü seç</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Resmi saat yönünde döndür</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Resmi saat yönünün tersine döndür</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Resmi yatay çevir</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Resmi dikey çevir</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Resmi gri tonlamaya dönüştür (geri alınamaz)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>AMR sesleri için WAV/PCM sürümü &amp;oluştur:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>A&amp;DPCM sesleri için WAV/PCM sürümü oluştur:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Düğme seslerini kapat</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Dosya değiştirmeyi onayla</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>&amp;Tümüne evet</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Atla</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Yeniden adlandır</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Bu klasörde “%1” adlı bir dosya zaten var.
Var olan dosyayı cep telefonundaki dosyayla değiştirmek istiyor musunuz?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Öğe silmeyi onayla</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>“%1” öğesini silmek istediğinizden emin misiniz?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Bu %1 öğeyi gerçekten silmek istiyor musunuz?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Bu soruyu bir &amp;daha sorma</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Aktarım hazırlanıyor…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Bu cep telefonunun desteklediği öğe biçimleri</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Resimler (duvar kâğıtları veya arayan grubu simgeleri)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animasyonlar (ekran koruyucular)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sesler (melodiler)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>En çok</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Boyutlar</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Kısıtlamalar</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – Beklenmeyen hata</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Beklenmeyen bir hata oluştu!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Konum: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> satır </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Değer: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Lütfen yazarla iletişime geçin</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Bu bilgiyi kopyalamak için Ctrl+C tuşlarına basın)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;bilinmeyen uygulama&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>kaynak kod</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Bağlantı açılamadı:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>İşletim sisteminin belleği
veya kaynakları tükendi.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Belirtilen dosya bulunamadı.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Belirtilen yol bulunamadı.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>İşletim sistemi belirtilen dosyaya
erişimi reddetti.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>İşlemi tamamlamak için yeterli bellek yok.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Çalıştırılabilir dosya geçersiz
(desteklenmeyen biçim veya bozuk dosya).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Bir paylaşım ihlali oluştu. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Dosya adı ilişkilendirmesi
eksik veya geçersiz.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>İstek zaman aşımına uğradığı için
DDE işlemi tamamlanamadı.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE işlemi başarısız oldu.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Başka DDE işlemleri yürütülmekte
olduğundan DDE işlemi
tamamlanamadı.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Verilen dosya adı uzantısıyla
ilişkilendirilmiş bir uygulama yok.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Belirtilen dinamik bağlantı kitaplığı (DLL) bulunamadı.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Bilinmeyen bir hata (%d) oluştu.</translation>
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
        <translation>Di&amp;l:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran bulunamadı: libjpeg-turbo-progs paketini kurun</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>%1 resmi, dönüştürülmüş kopyasıyla değiştirilemedi:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Cep telefonu bulununca gönderilecek: %1</translation>
    </message>
</context>
</TS>

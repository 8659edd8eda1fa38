<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Про програму Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Налаштування повністю наберуть чинності під час наступного запуску програми</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Виявлення мобільного телефону</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(зв’язок із мобільним телефоном втрачено)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Зв’язок із мобільним телефоном втрачено!
Підключіть його знову й повторіть спробу...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Формати, які підтримує телефон %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Усі підтримувані формати</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Графічні файли</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Анімації</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Звукові файли</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Файли vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Файли vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Усі файли</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Читання файлу...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Відкриття сеансу...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Надсилання назви...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Надсилання даних файлу...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Очікування підтвердження...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Закриття сеансу...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Запит файлу...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Отримання даних файлу...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Надсилання даних файлу у стиснутому вигляді...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Зупинення передавання... Зачекайте</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Більшість програвачів у Linux не підтримує формат цього звуку (%1).
Quillora може також створити копію у форматі WAV/PCM (її можна відтворити будь-де).
Виконати перетворення?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Під час передавання сталася помилка!
Мобільний телефон отримав дані не повністю або з помилками.
Можливо, кабель не підтримує апаратного керування потоком.
Повторити передавання на низькій швидкості?
(це може розв’язати проблему)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Вилучення об’єктів...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Надсилання/отримання</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Лише надсилання</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Ця програма дає змогу передавати об’єкти з комп’ютера на мобільний телефон %1.
Ви можете надсилати на телефон зображення, анімації та звуки, а також отримувати об’єкти, що зберігаються на ньому.

Програму надає %2 без жодних гарантій. Передавайте лише ті об’єкти, які ви маєте право використовувати.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Передавання на мобільний телефон...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Передавання з мобільного телефону...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Вилучення...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Зберегти об’єкт як...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Усі файли|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Перегляд отриманого знімка (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Отримання списку...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Виберіть теку для збереження позначених файлів (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Формат вибраного файлу невідомий програмі Quillora,
тому, найімовірніше, ваш мобільний телефон його не підтримує.
Спробуйте інший файл або змініть розширення назви цього файлу.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Мої зображення</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Мої звуки</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Мої анімації</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>У мобільному телефоні сталася неочікувана помилка під час обробки (Err%1!d!).
Спробуйте вимкнути й знову ввімкнути телефон.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Об’єкт завеликий для мобільного телефону (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобільний телефон не підтримує об’єкти такого типу (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобільний телефон не підтримує формат цього об’єкта (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Цей об’єкт не знайдено на мобільному телефоні. Імовірно, його вже вилучено. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>У мобільному телефоні сталася неочікувана помилка під час синхронізації (Err:%1!d!).
Повторіть спробу або вимкніть і знову ввімкніть телефон.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>На цьому мобільному телефоні немає збережених файлів!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Назва</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! КБ</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>Файл %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Ніколи</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Питати</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Завжди</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Перевірка цього порту</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Порт відсутній на цьому комп’ютері або вимкнений у BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Цей порт зараз використовує інша програма. Спершу закрийте її</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Немає доступу до цього порту. Спробуйте перезавантажити комп’ютер</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Схоже, цей порт не є зовнішнім портом комп’ютера</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>На цьому порту кабель не виявлено</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Виявлено кабель DATA, але мобільний телефон не підключено</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Виявлено несумісний кабель. Використовуйте кабель DATA від %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Не вдалося розпізнати кабель, підключений до цього порту. Перевірте з’єднання</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Виявлено підключений кабель DATA</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Мобільний телефон не відповідає. Спробуйте вимкнути й знову ввімкнути його</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Знайдено модем на швидкості %1!d! біт/с</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Вставте SIM-картку в телефон або ввімкніть його.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Не вдалося визначити модем</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Телефон заблоковано (SIM-блокування) або він очікує на PIN-код чи код телефону.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Визначено модем «%2»</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Підключений пристрій не є сумісним мобільним телефоном</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Знайдено мобільний телефон «%2»!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>На порту %1 знайдено мобільний телефон «%2»,
але він не підтримує завантаження об’єктів</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 знайдено мобільний телефон,
але на ньому встановлено SIM-блокування.
Введіть на мобільному телефоні код зняття SIM-блокування.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 знайдено мобільний телефон,
але код телефону не введено.
Введіть на мобільному телефоні код телефону.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 знайдено мобільний телефон,
але PIN-код не введено.
Введіть на мобільному телефоні PIN-код.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 знайдено мобільний телефон,
але, схоже, він не ввімкнений або в ньому немає SIM-картки.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Без обмежень</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>До %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Лише чорно-білі</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-бітний колір</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Прогресивне кодування</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Режим без втрат</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Векторна графіка</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: підтримується</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: не підтримується</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Один голос</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>До %1 голосів</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Діапазон частот: %1–%2 Гц</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 біт — %2 — %3 Гц</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Залишилося хвилин: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Залишилося секунд: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Отримано байтів: %1!d! з %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Сталася помилка %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не вдалося відкрити файл «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файл «%2» порожній!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не вдалося прочитати файл «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Цей мобільний телефон не підтримує завантаження об’єктів</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Мобільний телефон надіслав неочікувану відповідь</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>У пам’яті мобільного телефону недостатньо місця для об’єкта такого розміру.
Виберіть менший об’єкт або вилучіть якісь об’єкти з мобільного телефону.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не вдалося створити файл «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Немає доступу до порту зв’язку</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Дані, отримані від мобільного телефону, некоректні</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Мобільний телефон повідомив про помилку.
Можливо, вибраного файлу вже не існує</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Мобільний телефон не зрозумів запит. Повторіть спробу...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Мобільний телефон більше не відповідає. Перевірте, чи правильно його підключено.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Помилка завантаження, дані втрачено.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Отримати...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Автоматичне виявлення мобільного телефону...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(підключіть мобільний телефон, якщо ще цього не зробили)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Тип мобільного телефону:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>на порту:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Надіслати...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>швидкість:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Доступні операції:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>Нала&amp;штування</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Показати файл довідки</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Використання Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Показувати це вікно під час запуску</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Мова: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Список доступних об’єктів</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Отримати...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Вилучити...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Позначити в&amp;се</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Обернути зображення за годинниковою стрілкою</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Обернути зображення проти годинникової стрілки</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Віддзеркалити зображення горизонтально</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Віддзеркалити зображення вертикально</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Перетворити зображення на відтінки сірого (не можна скасувати)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Створювати копію WAV/PCM для звуків AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Створювати копію WAV/PCM для &amp;звуків ADPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Вимкнути звуки кнопок</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Підтвердження заміни файлу</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Так для &amp;всіх</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Пропустити</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>Пере&amp;йменувати</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>У цій теці вже є файл із назвою «%1».
Замінити наявний файл файлом із телефону?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Підтвердження вилучення об’єкта</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Ви справді хочете вилучити «%1»?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Ви справді хочете вилучити позначені об’єкти (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Більше не ставити це питання</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Підготовка до передавання...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Формати об’єктів, які підтримує цей телефон</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Зображення (шпалери або значки груп абонентів)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Анімації (заставки)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Звуки (мелодії)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Розміри</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Обмеження</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 — неочікувана помилка</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Сталася неочікувана помилка!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Місце: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> рядок </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Значення: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Зверніться до автора програми</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Натисніть Ctrl-C, щоб скопіювати ці відомості)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;невідома програма&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>вихідний файл</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Не вдалося відкрити посилання:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операційній системі не вистачає
пам’яті або ресурсів.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Вказаний файл не знайдено.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Вказаний шлях не знайдено.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операційна система заборонила
доступ до вказаного файлу.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостатньо пам’яті для завершення операції.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Некоректний виконуваний файл
(непідтримуваний формат або файл пошкоджено).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Сталося порушення спільного доступу. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Прив’язка для цього типу файлів
неповна або некоректна.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не вдалося завершити транзакцію DDE,
оскільки минув час очікування запиту.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Помилка транзакції DDE.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не вдалося завершити транзакцію DDE,
оскільки виконувалися інші
транзакції DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Немає програми, пов’язаної
із вказаним розширенням назви файлу.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Вказану динамічну бібліотеку не знайдено.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Сталася невідома помилка (%d).</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d біт/с</translation>
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
        <translation>&amp;Мова:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Програму jpegtran не знайдено: встановіть пакунок libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Не вдалося замінити зображення %1 його перетвореною копією:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Надсилання після виявлення телефону: %1</translation>
    </message>
</context>
</TS>

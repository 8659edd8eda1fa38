<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Acerca de Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>La configuración se aplicará por completo la próxima vez que inicie la aplicación</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detección del teléfono móvil</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(se ha perdido la conexión con el teléfono móvil)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>¡Se ha perdido la conexión con el teléfono móvil!
Vuelva a conectarlo e inténtelo de nuevo...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formatos compatibles con este %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Todos los formatos compatibles</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Archivos de sonido</translation>
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
        <translation>Todos los archivos</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Leyendo el archivo...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Abriendo la sesión...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Enviando el título...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Enviando los datos del archivo...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Esperando la confirmación de recepción...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Cerrando la sesión...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Solicitando el archivo...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Recibiendo los datos del archivo...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Enviando los datos del archivo en formato comprimido...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Deteniendo la transferencia... Espere, por favor</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>La mayoría de los reproductores de Linux no admiten de forma nativa el formato de este sonido (%1).
Quillora también puede crear una copia en formato WAV/PCM (se puede reproducir en cualquier parte).
¿Desea realizar la conversión?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>¡Se ha producido un error en la transferencia!
El teléfono móvil no ha recibido correctamente todos los datos.
Puede deberse a un cable que no admita el control de flujo por hardware.
¿Desea volver a intentar la transferencia a una velocidad más baja?
(esto podría resolver el problema)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Eliminando los objetos...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Enviar/Recibir</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Solo enviar</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Esta herramienta permite transferir objetos de un PC a un teléfono móvil %1.
Puede enviar imágenes, animaciones y sonidos a su teléfono, y recuperar los objetos que contiene.

%2 proporciona esta herramienta sin ninguna garantía. Transfiera únicamente objetos que tenga derecho a usar.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Transfiriendo al teléfono móvil...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Transfiriendo desde el teléfono móvil...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Eliminando...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Guardar objeto como...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Todos los archivos|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Vista previa de la foto recibida (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Obteniendo la lista...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Seleccione la carpeta en la que se guardarán los %1!d! archivos seleccionados:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>El archivo seleccionado tiene un formato que Quillora no reconoce,
y por tanto es probable que su teléfono móvil no lo admita.
Pruebe con otro archivo o, quizás, cambie la extensión de este archivo.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Mis imágenes</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Mis sonidos</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Mis animaciones</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Se ha producido un error inesperado en el teléfono móvil durante el procesamiento (Err%1!d!).
Pruebe a apagar el teléfono y volver a encenderlo.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>El objeto es demasiado grande para el teléfono móvil (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>El teléfono móvil no admite este tipo de objeto (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>El teléfono móvil no admite el formato de este objeto (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Este objeto no se encuentra en el teléfono móvil. Probablemente se haya eliminado mientras tanto. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Se ha producido un error inesperado en el teléfono móvil durante la sincronización (Err:%1!d!).
Vuelva a intentarlo o pruebe a apagar el teléfono y volver a encenderlo.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>¡No hay ningún archivo guardado en este teléfono móvil!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Tamaño</translation>
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
        <translation>Archivo %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Preguntar</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Comprobando este puerto</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Puerto no disponible en este equipo o desactivado en la BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Otro programa está usando este puerto. Ciérrelo primero</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>No se puede acceder a este puerto. Pruebe a reiniciar el equipo</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Este puerto no parece ser un puerto externo de su PC</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>No se ha encontrado ningún cable en este puerto</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Se ha detectado un cable DATA, pero no hay ningún teléfono móvil conectado</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Se ha detectado un cable incompatible. Use un cable DATA suministrado por %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>No se ha podido reconocer el cable conectado a este puerto. Compruebe las conexiones</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Se ha detectado un cable DATA conectado</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>El teléfono móvil no responde. Pruebe a apagarlo y volver a encenderlo</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Módem encontrado a %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Debe insertar una tarjeta SIM en el móvil o encenderlo.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>No se puede identificar el módem</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>El móvil tiene el bloqueo SIM activado o está esperando el código PIN o el código del teléfono.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Se ha identificado un módem «%2»</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>El dispositivo conectado no es un teléfono móvil compatible</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>¡Se ha encontrado el teléfono móvil «%2»!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Se ha encontrado un teléfono móvil «%2» en el puerto %1,
pero no admite la transferencia de objetos</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Se ha encontrado un teléfono móvil en el puerto %1,
pero tiene el bloqueo SIM activado.
Introduzca el código de desbloqueo SIM en el teléfono móvil.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Se ha encontrado un teléfono móvil en el puerto %1,
pero no se ha introducido el código del teléfono.
Introduzca el código del teléfono en el teléfono móvil.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Se ha encontrado un teléfono móvil en el puerto %1,
pero no se ha introducido el código PIN.
Introduzca el código PIN en el teléfono móvil.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Se ha encontrado un teléfono móvil en el puerto %1,
pero no parece estar encendido o no tiene tarjeta SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Hasta %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Solo blanco y negro</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Color de %1 bits</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Codificación progresiva</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Modo sin pérdidas</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Gráfico vectorial</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: compatible</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: no compatible</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Una sola pista</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Hasta %1 pistas</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Rango de frecuencias: %1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bits - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Quedan %1!d! minutos</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Quedan %1!d! segundos</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! bytes recibidos de %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Se ha producido el error %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>No se puede abrir el archivo «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>¡El archivo «%2» está vacío!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>¡No se puede leer el archivo «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Este teléfono móvil no admite la transferencia de objetos</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>El teléfono móvil ha enviado una respuesta inesperada</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>La memoria del teléfono móvil no puede almacenar un objeto de este tamaño.
Puede elegir un objeto más pequeño o eliminar algún objeto del teléfono móvil.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>No se puede crear el archivo «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>No se puede acceder al puerto de comunicaciones</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Los datos recibidos del teléfono móvil no son válidos</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>El teléfono móvil ha notificado un error.
Puede que el archivo seleccionado ya no exista</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>El teléfono móvil no ha entendido la solicitud. Vuelva a intentarlo...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>El teléfono móvil ya no responde. Compruebe que esté bien conectado.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Error de transferencia: se han perdido datos.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Recibir...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Detección automática del teléfono móvil...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(conecte ahora su teléfono móvil si aún no lo ha hecho)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Tipo de teléfono móvil:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>en el puerto:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Enviar...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>velocidad:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Transferencias posibles:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Mostrar el archivo de ayuda</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Uso de Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Mostrar esta pantalla al inicio</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Idioma: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lista de objetos disponibles</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Recuperar...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Girar la imagen en el sentido de las agujas del reloj</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Girar la imagen en sentido contrario a las agujas del reloj</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Voltear la imagen horizontalmente</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Voltear la imagen verticalmente</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Convertir la imagen a escala de grises (no se puede deshacer)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Crear una versión WAV/PCM de los sonidos AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Crear una versión WAV/PCM de los sonidos A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Desactivar los sonidos de los botones</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Confirmar el reemplazo del archivo</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Sí a &amp;todo</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Esta carpeta ya contiene un archivo llamado «%1».
¿Desea reemplazar el archivo existente por el archivo del móvil?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Confirmar la eliminación del objeto</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>¿Seguro que desea eliminar «%1»?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>¿Seguro que desea eliminar estos %1 objetos?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>No &amp;volver a hacer esta pregunta</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Preparando la transferencia...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formatos de objeto compatibles con este móvil</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Imágenes (fondos de pantalla o iconos de grupo de contactos)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animaciones (salvapantallas)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sonidos (melodías)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitaciones</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Error inesperado</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>¡Se ha producido un error inesperado!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>En: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> línea </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Valor: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Póngase en contacto con el autor</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Pulse Ctrl+C para copiar esta información)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;aplicación desconocida&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>fuente</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el hipervínculo:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo no tiene suficiente
memoria o recursos.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>No se ha encontrado el archivo especificado.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>No se ha encontrado la ruta especificada.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo ha denegado
el acceso al archivo especificado.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay suficiente memoria para completar la operación.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>El archivo ejecutable no es válido
(formato no admitido o archivo dañado).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Se ha producido una infracción de uso compartido. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo está
incompleta o no es válida.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se ha podido completar la transacción DDE
porque se ha agotado el tiempo de espera de la solicitud.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se ha podido completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a esta extensión de nombre de archivo.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se ha encontrado la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Se ha producido un error desconocido (%d).</translation>
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
        <translation>&amp;Idioma:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>No se ha encontrado jpegtran: instale el paquete libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>No se ha podido reemplazar la imagen %1 por su copia transformada:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Para enviar en cuanto se encuentre un teléfono móvil: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Sobre o Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>As configurações só entrarão totalmente em vigor na próxima vez que o aplicativo for iniciado</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detecção do celular</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(conexão com o celular perdida)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>A conexão com o celular foi perdida!
Conecte-o novamente e tente outra vez...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formatos suportados por este %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Todos os formatos suportados</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animações</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Arquivos de som</translation>
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
        <translation>Todos os arquivos</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Lendo o arquivo...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Abrindo a sessão...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Enviando o título...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Enviando os dados do arquivo...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Aguardando confirmação de recebimento...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Fechando a sessão...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Solicitando o arquivo...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Recebendo os dados do arquivo...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Enviando os dados do arquivo em formato compactado...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Interrompendo a transferência... Aguarde</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>O formato deste som (%1) não é suportado nativamente pela maioria dos reprodutores do Linux.
O Quillora também pode criar uma cópia no formato WAV/PCM (que pode ser reproduzida em qualquer lugar).
Deseja fazer a conversão?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Ocorreu um erro de transferência!
O celular não recebeu todos os dados corretamente.
Isso pode ser causado por um cabo que não suporta controle de fluxo por hardware.
Deseja tentar a transferência novamente com uma velocidade menor?
(isso pode resolver o problema)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Excluindo objetos...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Enviar/Receber</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Somente enviar</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Esta ferramenta permite transferir objetos de um PC para um celular %1.
Você pode enviar imagens, animações e sons para o seu celular e obter os objetos armazenados nele.

Esta ferramenta é fornecida por %2 sem nenhuma garantia. Transfira somente objetos que você tenha o direito de usar.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Transferindo para o celular...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Transferindo do celular...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Excluindo...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Salvar objeto como...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Todos os arquivos|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Visualização da foto recebida (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Obtendo a lista...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Selecione a pasta onde os %1!d! arquivos selecionados devem ser salvos:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>O arquivo selecionado tem um formato desconhecido para o Quillora
e, portanto, provavelmente não é suportado pelo seu celular.
Tente outro arquivo ou talvez altere a extensão deste arquivo.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Minhas imagens</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Meus sons</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Minhas animações</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>O celular encontrou um erro inesperado durante o processamento (Err%1!d!).
Tente desligar o celular e ligá-lo novamente.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>O objeto é grande demais para o celular (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>O celular não suporta esse tipo de objeto (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>O celular não suporta o formato deste objeto (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Este objeto não foi encontrado no celular. Provavelmente foi excluído nesse meio-tempo. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>O celular encontrou um erro inesperado durante a sincronização (Err:%1!d!).
Tente novamente ou desligue o celular e ligue-o de novo.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Nenhum arquivo foi armazenado neste celular!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Arquivo %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Perguntar</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Sempre</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Verificando esta porta</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Porta indisponível neste computador ou desativada pela BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Outro programa está usando esta porta. Feche-o primeiro</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Não foi possível acessar esta porta. Tente reiniciar o computador</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Esta porta não parece ser uma porta externa do seu PC</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Nenhum cabo encontrado nesta porta</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Um cabo DATA foi detectado, mas nenhum celular está conectado a ele</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Cabo incompatível detectado. Use um cabo DATA fornecido por %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>O cabo conectado a esta porta não foi reconhecido. Verifique as conexões</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Um cabo DATA conectado foi detectado</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Sem resposta do celular. Tente desligá-lo e ligá-lo novamente</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem encontrado a %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Você precisa inserir um cartão SIM no celular ou ligá-lo.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Não foi possível identificar o modem</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>O celular está com bloqueio de SIM ou aguardando o código PIN ou o código do telefone.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Um modem “%2” foi identificado</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>O dispositivo conectado não é um celular compatível</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Celular “%2” encontrado!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Um celular “%2” foi encontrado na porta %1,
mas ele não suporta a transferência de objetos</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Um celular foi encontrado na porta %1,
mas ele está com bloqueio de SIM.
Digite o código de desbloqueio do SIM no celular.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Um celular foi encontrado na porta %1,
mas o código do telefone não foi digitado.
Digite o código do telefone no celular.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Um celular foi encontrado na porta %1,
mas o código PIN não foi digitado.
Digite o código PIN no celular.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Um celular foi encontrado na porta %1,
mas ele não parece estar ligado ou ter um cartão SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Até %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Somente preto e branco</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Cores de %1 bits</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Codificação progressiva</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Modo sem perdas</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Gráfico vetorial</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: com suporte</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: sem suporte</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Faixa única</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Até %1 faixas</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Faixa de frequência: %1-%2 Hz</translation>
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
        <translation>%1!d! minutos restantes</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! segundos restantes</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! bytes recebidos de %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Ocorreu o erro %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Não foi possível abrir o arquivo “%2”</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>O arquivo “%2” está vazio!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Não foi possível ler o arquivo “%2”!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Este celular não suporta a transferência de objetos</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>O celular enviou uma resposta inesperada</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>A memória do celular não pode armazenar um objeto deste tamanho.
Você pode escolher um objeto menor ou excluir alguns objetos do celular.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Não foi possível criar o arquivo “%2”</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Não foi possível acessar a porta de comunicação</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Os dados recebidos do celular são inválidos</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>O celular informou um erro.
Talvez o arquivo selecionado não exista mais</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>O celular não entendeu a solicitação. Tente novamente...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>O celular não responde mais. Verifique se ele está conectado corretamente.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Erro de transferência: houve perda de dados.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Receber...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Detecção automática do celular...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(conecte o seu celular agora, se ainda não fez isso)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Tipo de celular:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na porta:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Enviar...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>velocidade:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Transferências possíveis:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Mostrar o arquivo de ajuda</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Uso do Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Mostrar esta tela ao iniciar</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Idioma: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lista de objetos disponíveis</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Obter...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Excluir...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Girar a imagem no sentido horário</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Girar a imagem no sentido anti-horário</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Inverter a imagem horizontalmente</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Inverter a imagem verticalmente</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Converter a imagem para tons de cinza (não pode ser desfeito)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Criar uma versão WAV/PCM dos sons AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Criar uma versão WAV/PCM dos sons A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Desativar os sons dos botões</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Confirmar substituição de arquivo</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Sim para &amp;todos</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Esta pasta já contém um arquivo chamado “%1”.
Deseja substituir o arquivo existente pelo arquivo do celular?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Confirmar exclusão de objeto</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Tem certeza de que deseja excluir “%1”?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Deseja realmente excluir estes %1 itens?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Não &amp;perguntar novamente</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Preparando a transferência...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formatos de objetos suportados por este celular</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Imagens (papéis de parede ou ícones de grupos de contatos)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animações (proteções de tela)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sons (melodias)</translation>
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
        <translation>Dimensões</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitações</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Erro inesperado</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Ocorreu um erro inesperado!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Em: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> linha </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Valor: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Entre em contato com o autor</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Pressione Ctrl+C para copiar estas informações)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;aplicativo desconhecido&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>código-fonte</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Não foi possível abrir o link:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não há memória suficiente para concluir a operação.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>O arquivo executável é inválido
(formato não suportado ou arquivo danificado).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o tempo da solicitação esgotou.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de nome de arquivo informada.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca dinâmica especificada não foi encontrada.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Ocorreu um erro desconhecido (%d).</translation>
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
        <translation>O jpegtran não foi encontrado: instale o pacote libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>A imagem %1 não pôde ser substituída pela cópia transformada:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Para enviar assim que um celular for encontrado: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>À &amp;propos de Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Les paramètres prendront pleinement effet au prochain démarrage de l'application</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Détection du téléphone mobile</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(connexion avec le téléphone mobile perdue)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>La connexion avec le téléphone mobile a été perdue !
Rebranchez-le et réessayez...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formats pris en charge par ce %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Tous les formats pris en charge</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Fichiers graphiques</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Fichiers audio</translation>
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
        <translation>Tous les fichiers</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Lecture du fichier...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Ouverture de la session...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Envoi du titre...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Envoi des données du fichier...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Attente de l'accusé de réception...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Fermeture de la session...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Demande du fichier...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Réception des données du fichier...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Envoi des données du fichier au format compressé...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Arrêt du transfert... Veuillez patienter</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Le format de ce son (%1) n'est pas pris en charge nativement par la plupart des lecteurs sous Linux.
Quillora peut aussi en créer une copie au format WAV/PCM (lisible partout).
Voulez-vous effectuer la conversion ?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Une erreur de transfert s'est produite !
Le téléphone mobile n'a pas reçu correctement toutes les données.
Cela peut être dû à un câble qui ne prend pas en charge le contrôle de flux matériel.
Voulez-vous réessayer le transfert à une vitesse réduite ?
(cela pourrait résoudre le problème)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Suppression des objets...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Envoi/Réception</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Envoi seulement</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Cet outil logiciel permet de transférer des objets d'un PC vers un téléphone mobile %1.
Vous pouvez envoyer des images, des animations et des sons vers votre téléphone, et récupérer les objets qu'il contient.

Cet outil est fourni par %2 sans aucune garantie. Ne transférez que des objets que vous avez le droit d'utiliser.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Transfert vers le téléphone mobile...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Transfert depuis le téléphone mobile...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Suppression...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Enregistrer l'objet sous...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Tous les fichiers|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Aperçu de la photo reçue (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Récupération de la liste...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Veuillez choisir le dossier dans lequel enregistrer les %1!d! fichiers sélectionnés :</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Le fichier sélectionné a un format inconnu de Quillora,
et n'est donc probablement pas pris en charge par votre téléphone mobile.
Veuillez essayer un autre fichier, ou éventuellement changer l'extension de ce fichier.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Mes images</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Mes sons</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Mes animations</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Le téléphone mobile a rencontré une erreur inattendue pendant le traitement (Err%1!d!).
Essayez d'éteindre puis de rallumer votre téléphone.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>L'objet est trop volumineux pour le téléphone mobile (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Le téléphone mobile ne prend pas en charge ce type d'objet (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Le téléphone mobile ne prend pas en charge le format de cet objet (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Cet objet est introuvable sur le téléphone mobile. Il a probablement été effacé entre-temps. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Le téléphone mobile a rencontré une erreur inattendue pendant la synchronisation (Err:%1!d!).
Réessayez, ou essayez d'éteindre puis de rallumer votre téléphone.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Aucun fichier n'est enregistré sur ce téléphone mobile !</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! Ko</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>Fichier %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Vérification de ce port</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port indisponible sur cette machine ou désactivé par le BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Un autre programme utilise actuellement ce port. Veuillez d'abord le fermer</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Impossible d'accéder à ce port. Essayez de redémarrer votre ordinateur</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Ce port ne semble pas être un port externe de votre PC</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Aucun câble détecté sur ce port</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Un câble DATA a été détecté, mais aucun téléphone mobile n'est connecté</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Câble incompatible détecté. Utilisez un câble DATA fourni par %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Le câble branché sur ce port n'a pas pu être reconnu. Vérifiez vos branchements</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Un câble DATA branché a été détecté</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Pas de réponse du téléphone mobile. Essayez de l'éteindre puis de le rallumer</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem trouvé à %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Vous devez insérer une carte SIM dans votre mobile ou l'allumer.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Impossible d'identifier le modem</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Le mobile est verrouillé sur une carte SIM ou attend le code PIN ou le code téléphone.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Un modem « %2 » a été identifié</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>L'appareil connecté n'est pas un téléphone mobile compatible</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Téléphone mobile « %2 » trouvé !</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Un téléphone mobile « %2 » a été trouvé sur le port %1
mais il ne prend pas en charge le téléchargement d'objets</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Un téléphone mobile a été trouvé sur le port %1
mais il est verrouillé sur une carte SIM.
Veuillez saisir le code de déverrouillage SIM sur le téléphone mobile.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Un téléphone mobile a été trouvé sur le port %1
mais son code téléphone n'a pas été saisi.
Veuillez saisir le code téléphone sur le téléphone mobile.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Un téléphone mobile a été trouvé sur le port %1
mais son code PIN n'a pas été saisi.
Veuillez saisir le code PIN sur le téléphone mobile.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Un téléphone mobile a été trouvé sur le port %1
mais il ne semble pas être allumé ou ne contient pas de carte SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Jusqu'à %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Noir et blanc uniquement</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Couleurs %1 bits</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Codage progressif</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Mode sans perte</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Image vectorielle</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 pris en charge</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 non pris en charge</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Piste unique</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Jusqu'à %1 pistes</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Plage de fréquences : %1-%2 Hz</translation>
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
        <translation>Stéréo</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>%1!d! minutes restantes</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! secondes restantes</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! octets reçus sur %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Une erreur %1!d! s'est produite</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossible d'ouvrir le fichier « %2 »</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Le fichier « %2 » est vide !</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossible de lire le fichier « %2 » !</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Ce téléphone mobile ne prend pas en charge le téléchargement d'objets</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Le téléphone mobile a envoyé une réponse inattendue</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>La mémoire du téléphone mobile ne peut pas stocker un objet de cette taille.
Vous pouvez choisir un objet plus petit ou supprimer des objets du téléphone mobile.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Impossible de créer le fichier « %2 »</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Impossible d'accéder au port de communication</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Les données reçues du téléphone mobile ne sont pas valides</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Le téléphone mobile a signalé une erreur.
Le fichier sélectionné n'existe peut-être plus</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Le téléphone mobile n'a pas compris la requête. Réessayez...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Le téléphone mobile ne répond plus. Vérifiez qu'il est correctement connecté.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Erreur de téléchargement, des données ont été perdues.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Recevoir...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Détection automatique du téléphone mobile...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(branchez votre téléphone mobile maintenant si ce n'est pas déjà fait)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Type de téléphone mobile :</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>sur le port :</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Envoyer...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>vitesse :</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Transferts possibles :</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Afficher le fichier d'aide</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Utilisation de Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Afficher cet écran au démarrage</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Langue : </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Liste des objets disponibles</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Récupérer...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Faire pivoter l'image dans le sens des aiguilles d'une montre</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Faire pivoter l'image dans le sens inverse des aiguilles d'une montre</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Retourner l'image horizontalement</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Retourner l'image verticalement</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Convertir l'image en niveaux de gris (irréversible)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Créer une version WAV/PCM des sons AMR :</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Créer une version WAV/PCM des sons A&amp;DPCM :</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Désactiver les sons des boutons</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Confirmer le remplacement du fichier</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Oui pour &amp;tout</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Ce dossier contient déjà un fichier nommé « %1 ».
Voulez-vous remplacer le fichier existant par le fichier du mobile ?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Confirmer la suppression de l'objet</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Voulez-vous vraiment supprimer ces %1 éléments ?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Ne plus &amp;poser cette question</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Préparation du transfert...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formats d'objets pris en charge par ce mobile</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Images (fonds d'écran ou icônes de groupes d'appelants)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animations (économiseurs d'écran)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sons (mélodies)</translation>
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
        <translation>Dimensions</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitations</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Erreur inattendue</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Une erreur inattendue s'est produite !</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Dans : </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> ligne </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Valeur : </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Veuillez contacter l'auteur</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Appuyez sur Ctrl-C pour copier ces informations)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;application inconnue&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>source</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d'ouvrir le lien hypertexte :

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d'exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Le chemin spécifié est introuvable.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d'exploitation a refusé
l'accès au fichier spécifié.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l'opération.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Le fichier exécutable n'est pas valide
(format non pris en charge ou fichier endommagé).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s'est produite. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L'association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n'a pas pu
être terminée car le délai de la requête a expiré.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n'a pas pu
être terminée car d'autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n'est associée
à cette extension de nom de fichier.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque partagée spécifiée est introuvable.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Une erreur inconnue (%d) s'est produite.</translation>
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
        <translation>&amp;Langue :</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran est introuvable : installez le paquet libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>L'image %1 n'a pas pu être remplacée par sa copie transformée :
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>À envoyer dès qu'un téléphone sera détecté : %1</translation>
    </message>
</context>
</TS>

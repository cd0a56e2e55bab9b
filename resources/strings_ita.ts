<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message>
        <source>101</source>
        <translation>Informazioni su Quillbox...</translation>
    </message>
    <message>
        <source>102</source>
        <translation>Informazioni sul prodotto...</translation>
    </message>
    <message>
        <source>103</source>
        <translation>Impossibile inizializzare la libreria dei socket di rete.
Quillbox non può essere avviato.</translation>
    </message>
    <message>
        <source>11001</source>
        <translation>Impossibile leggere il file delle impostazioni qbx_man.ini.
Aprire le impostazioni, scegliere l'interfaccia e salvare con OK.</translation>
    </message>
    <message>
        <source>11002</source>
        <translation>L'interfaccia non è disponibile.
Porta seriale: la porta non esiste su questo PC.
TCP/IP: il bootloader non è raggiungibile a questo indirizzo (timeout o host non raggiungibile).</translation>
    </message>
    <message>
        <source>11003</source>
        <translation>Accesso all'interfaccia negato.
Porta seriale: la porta è occupata da un altro programma.
TCP/IP: il bootloader ha rifiutato la connessione (verificare il numero di porta).</translation>
    </message>
    <message>
        <source>11004</source>
        <translation>Impossibile aprire l'interfaccia (errore di sistema %d).</translation>
    </message>
    <message>
        <source>11005</source>
        <translation>L'impostazione dell'interfaccia non è valida.
Scegliere nelle impostazioni una porta seriale (da COM1 a COM6) o TCP/IP.</translation>
    </message>
    <message>
        <source>11006</source>
        <translation>Il bootloader non è in modalità di trasferimento (0xC0).
Commutare ora il bootloader in modalità di trasferimento?</translation>
    </message>
    <message>
        <source>11007</source>
        <translation>Il bootloader non risponde o la sua risposta è incompleta.
Verificare il cavo, l'alimentazione del bootloader e l'impostazione dell'interfaccia.</translation>
    </message>
    <message>
        <source>11008</source>
        <translation>Il bootloader ha rifiutato il cambio della modalità operativa.</translation>
    </message>
    <message>
        <source>11009</source>
        <translation>Il bootloader si trova nella modalità operativa 0x80, non nella modalità di trasferimento (0xC0).
In questa modalità non è possibile trasferire dati.</translation>
    </message>
    <message>
        <source>11010</source>
        <translation>Il bootloader si trova in una modalità operativa sconosciuta, non nella modalità di trasferimento (0xC0).</translation>
    </message>
    <message>
        <source>11011</source>
        <translation>Il bootloader non risponde alla richiesta della sua modalità operativa.</translation>
    </message>
    <message>
        <source>11012</source>
        <translation>La comunicazione con il bootloader non è riuscita.
Verificare il collegamento e l'alimentazione del bootloader e riprovare.</translation>
    </message>
    <message>
        <source>11013</source>
        <translation>Il dispositivo collegato (tipo 0x%02X) non è un bootloader supportato.</translation>
    </message>
    <message>
        <source>11014</source>
        <translation>La versione firmware %s del bootloader è troppo vecchia per questo programma.
Richiesta: versione 2.6 o successiva per i bootloader seriali, 1.28 o successiva per la LINKBOX.
Aggiornare il firmware del bootloader.</translation>
    </message>
    <message>
        <source>11015</source>
        <translation>Non è stato possibile inviare completamente i dati al bootloader.</translation>
    </message>
    <message>
        <source>11016</source>
        <translation>L'invio dei dati al bootloader non è riuscito.</translation>
    </message>
    <message>
        <source>11017</source>
        <translation>Il bootloader non ha confermato i dati inviati (nessuna risposta).</translation>
    </message>
    <message>
        <source>11018</source>
        <translation>Errore di trasmissione: i dati sono stati ricevuti ripetutamente in modo errato (errore di checksum o di conferma).
Verificare il cavo e il collegamento.</translation>
    </message>
    <message>
        <source>11019</source>
        <translation>I dati ricevuti dal bootloader sono incompleti (manca il checksum).</translation>
    </message>
    <message>
        <source>11020</source>
        <translation>Non è stato possibile inviare la conferma al bootloader.</translation>
    </message>
    <message>
        <source>11021</source>
        <translation>Il bootloader ha rifiutato la richiesta.</translation>
    </message>
    <message>
        <source>11022</source>
        <translation>Il bootloader segnala l'errore %d.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11023</source>
        <translation>Il bootloader segnala un errore sconosciuto.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11024</source>
        <translation>Risposta inattesa dal bootloader.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11025</source>
        <translation>Impossibile salvare il file %s.
Verificare che la cartella esista e sia scrivibile e che il file non sia protetto da scrittura.</translation>
    </message>
    <message>
        <source>11026</source>
        <translation>I file dei dati di funzione devono avere l'estensione .dat.
Scegliere un altro nome di file per questo slot.</translation>
    </message>
    <message>
        <source>11027</source>
        <translation>Il file non è un file di dati di funzione.</translation>
    </message>
    <message>
        <source>11030</source>
        <translation>Il file %s è stato scelto per lo slot %d e per lo slot %d.
Scegliere un file diverso per ogni slot.</translation>
    </message>
    <message>
        <source>11031</source>
        <translation>Impossibile aprire il file.
Verificare che esista e sia leggibile.</translation>
    </message>
    <message>
        <source>11032</source>
        <translation>Impossibile scrivere il file.
Verificare che la cartella esista e sia scrivibile e che il file non sia protetto da scrittura.</translation>
    </message>
    <message>
        <source>11033</source>
        <translation>Il file non è un file firmware del bootloader (identificativo del file sconosciuto).</translation>
    </message>
    <message>
        <source>11036</source>
        <translation>Scegliere un file della pagina di benvenuto oppure selezionare la pagina di benvenuto standard.</translation>
    </message>
    <message>
        <source>11037</source>
        <translation>Scegliere un file di programma.</translation>
    </message>
    <message>
        <source>11038</source>
        <translation>I file della pagina di benvenuto devono avere l'estensione .bgs.</translation>
    </message>
    <message>
        <source>11039</source>
        <translation>I file di programma devono avere l'estensione .prg.</translation>
    </message>
    <message>
        <source>11040</source>
        <translation>I file firmware del bootloader devono avere l'estensione .frm.</translation>
    </message>
    <message>
        <source>11041</source>
        <translation>Il file non è un file di programma valido (identificativo o intestazione del file sconosciuti).</translation>
    </message>
    <message>
        <source>11042</source>
        <translation>Il bootloader è in modalità di trasferimento (0xC0) ed è pronto per il trasferimento dei dati.</translation>
    </message>
    <message>
        <source>11043</source>
        <translation>Il file %s per lo slot %d esiste già.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>11044</source>
        <translation>Impossibile aprire il file %s oppure il suo contenuto non è valido.</translation>
    </message>
    <message>
        <source>11045</source>
        <translation>Il file %s esiste già.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>11046</source>
        <translation>Il bootloader non indica alcuna versione del firmware (stato di aggiornamento).
Le sue impostazioni non possono essere lette. Aggiornare prima il firmware del bootloader.</translation>
    </message>
    <message>
        <source>11047</source>
        <translation>Il file firmware non è adatto al bootloader collegato.
Scegliere un file firmware per questo tipo di bootloader (bootloader seriale o LINKBOX).</translation>
    </message>
    <message>
        <source>11048</source>
        <translation>È possibile trasferire solo pagine HTML (.html) e immagini GIF (.gif).</translation>
    </message>
    <message>
        <source>11049</source>
        <translation>Il file è troppo grande.
Una pagina web o un'immagine può avere al massimo %d byte.</translation>
    </message>
    <message>
        <source>11050</source>
        <translation>Il bootloader collegato non è una LINKBOX.
Le pagine web possono essere trasferite solo in un bootloader di rete LINKBOX.</translation>
    </message>
    <message>
        <source>11051</source>
        <translation>Il file non è un file di dati di funzione valido per questa funzione (file danneggiato o tipo di dispositivo errato).</translation>
    </message>
    <message>
        <source>11052</source>
        <translation>Non è stato possibile svuotare lo slot del bootloader.</translation>
    </message>
    <message>
        <source>11053</source>
        <translation>Il formato dei dati non è supportato (intestazione o versione del formato file sconosciuta).</translation>
    </message>
    <message>
        <source>11054</source>
        <translation>Il bootloader collegato non è una LINKBOX.
I dati del bootloader possono essere letti e scritti solo con un bootloader di rete LINKBOX.</translation>
    </message>
    <message>
        <source>11400</source>
        <translation>Le porte seriali da COM1 a COM6 vengono esaminate alla ricerca di un bootloader ORMAND.</translation>
    </message>
    <message>
        <source>11401</source>
        <translation>N.A. = non disponibile (porta assente o nessuna connessione)</translation>
    </message>
    <message>
        <source>11402</source>
        <translation>C.N.A. = accesso impossibile (porta occupata o connessione rifiutata); E.N. = errore con numero di errore di sistema</translation>
    </message>
    <message>
        <source>11403</source>
        <translation>O.K. = interfaccia libera, ma nessun bootloader ORMAND ha risposto</translation>
    </message>
    <message>
        <source>11404</source>
        <translation>B.V. = bootloader ORMAND trovato (tipo e versione indicati); B.V.U. = bootloader ORMAND in stato di aggiornamento</translation>
    </message>
    <message>
        <source>11405</source>
        <translation>Le porte seriali da COM1 a COM6 vengono esaminate alla ricerca di un bootloader Bravolt.</translation>
    </message>
    <message>
        <source>11406</source>
        <translation>N.A. = non disponibile (porta assente o nessuna connessione)</translation>
    </message>
    <message>
        <source>11407</source>
        <translation>C.N.A. = accesso impossibile (porta occupata o connessione rifiutata); E.N. = errore con numero di errore di sistema</translation>
    </message>
    <message>
        <source>11408</source>
        <translation>O.K. = interfaccia libera, ma nessun bootloader Bravolt ha risposto</translation>
    </message>
    <message>
        <source>11409</source>
        <translation>B.V. = bootloader Bravolt trovato (tipo e versione indicati); B.V.U. = bootloader Bravolt in stato di aggiornamento</translation>
    </message>
    <message>
        <source>11410</source>
        <translation>Usa la porta</translation>
    </message>
    <message>
        <source>11411</source>
        <translation>Cerca di nuovo</translation>
    </message>
    <message>
        <source>11412</source>
        <translation>verifica in corso...</translation>
    </message>
    <message>
        <source>11413</source>
        <translation>Ricerca del bootloader in corso, attendere...</translation>
    </message>
    <message>
        <source>11414</source>
        <translation>Ricerca terminata.</translation>
    </message>
    <message>
        <source>11415</source>
        <translation>Un bootloader ha risposto.</translation>
    </message>
    <message>
        <source>11416</source>
        <translation>Nessun bootloader trovato.
Verificare il cavo, l'alimentazione e le impostazioni dell'interfaccia.</translation>
    </message>
    <message>
        <source>11450</source>
        <translation>Quillbox Suite - edizione ORMAND

Programma di assistenza per i regolatori di riscaldamento ORMAND (Ormand Control) e i dispositivi sul loro bus dati.

Funzioni: trasferimento e lettura dei dati di funzione, aggiornamento del sistema operativo, aggiornamento del firmware del bootloader, pagine di benvenuto, pagine web per la LINKBOX, impostazioni del bootloader.

Collegamento: un bootloader seriale su una porta da COM1 a COM6 (115200 baud) oppure il bootloader di rete LINKBOX tramite TCP/IP (indirizzo predefinito 192.168.0.1, porta 40000).

ORMAND
Internet: ormand.test</translation>
    </message>
    <message>
        <source>11451</source>
        <translation>Quillbox Suite

Programma di assistenza per il regolatore di riscaldamento QRT5130 e i dispositivi sul suo bus dati (BUS_VIEWER, BUS_PORTA, BUS_PORTB, BUS_GATE, BUS_METER).

Funzioni: trasferimento e lettura dei dati di funzione, aggiornamento del sistema operativo, aggiornamento del firmware del bootloader, pagine di benvenuto, pagine web per la LINKBOX, impostazioni del bootloader.

Collegamento: un bootloader seriale su una porta da COM1 a COM6 (115200 baud) oppure il bootloader di rete LINKBOX tramite TCP/IP (indirizzo predefinito 192.168.0.1, porta 40000).

Bravolt
Internet: bravolt.test</translation>
    </message>
    <message>
        <source>11500</source>
        <translation>Connessione al bootloader in corso...</translation>
    </message>
    <message>
        <source>11501</source>
        <translation>Commutazione della modalità operativa del bootloader...</translation>
    </message>
    <message>
        <source>11502</source>
        <translation>Avvio del trasferimento...</translation>
    </message>
    <message>
        <source>11503</source>
        <translation>Ricezione dei dati in corso...</translation>
    </message>
    <message>
        <source>11504</source>
        <translation>Invio dei dati in corso...</translation>
    </message>
    <message>
        <source>11505</source>
        <translation>Tutti i dati sono stati ricevuti.</translation>
    </message>
    <message>
        <source>11506</source>
        <translation>Trasferimento completato con successo.</translation>
    </message>
    <message>
        <source>11507</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>11508</source>
        <translation>File sorgente</translation>
    </message>
    <message>
        <source>11509</source>
        <translation>File di destinazione</translation>
    </message>
    <message>
        <source>11600</source>
        <translation>Sistema operativo (Ormand Control):</translation>
    </message>
    <message>
        <source>11601</source>
        <translation>Predefinita: sottocartella Betriebssystem_OC della cartella del programma</translation>
    </message>
    <message>
        <source>11602</source>
        <translation>Sistema operativo (QRT5130):</translation>
    </message>
    <message>
        <source>11603</source>
        <translation>Predefinita: sottocartella Betriebssystem_QRT5130 della cartella del programma</translation>
    </message>
    <message>
        <source>11650</source>
        <translation>Pagina di benvenuto standard (ORMAND)</translation>
    </message>
    <message>
        <source>11651</source>
        <translation>Pagina di benvenuto dell'Ormand Control</translation>
    </message>
    <message>
        <source>11653</source>
        <translation>Pagina di benvenuto standard (BRAVOLT)</translation>
    </message>
    <message>
        <source>11654</source>
        <translation>Pagina di benvenuto del QRT5130</translation>
    </message>
    <message>
        <source>11660</source>
        <translation>Dati di funzione (*.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11661</source>
        <translation>Dati del bootloader LINKBOX (*.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11662</source>
        <translation>File di programma (*.prg);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11663</source>
        <translation>Firmware del bootloader (*.frm);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11664</source>
        <translation>Pagine di benvenuto (*.bgs);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11665</source>
        <translation>Pagine web e immagini (*.html *.gif);;Pagine HTML (*.html);;Immagini GIF (*.gif);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11670</source>
        <translation>Trasferimento di pagine web nella LINKBOX</translation>
    </message>
    <message>
        <source>11680</source>
        <translation>Scrittura dei dati del bootloader nella LINKBOX</translation>
    </message>
    <message>
        <source>11681</source>
        <translation>Lettura dei dati del bootloader dalla LINKBOX</translation>
    </message>
    <message>
        <source>11930</source>
        <translation>Impossibile aprire l'interfaccia (errore di sistema %d).
COM%d è %s, che non è una porta seriale.
Verificare quale dispositivo QUILLBOX_COM%d o ports.ini indica per questa porta.</translation>
    </message>
    <message>
        <source>11960</source>
        <translation>L'interfaccia non è disponibile.
Porta seriale: COM%d è %s, che non esiste su questo PC.
Verificare che l'adattatore sia collegato e quale dispositivo QUILLBOX_COM%d o ports.ini indica per questa porta.</translation>
    </message>
    <message>
        <source>11961</source>
        <translation>l'adattatore USB di %s trattiene ogni risposta per il suo timer di latenza di %d ms; a 16 ms un trasferimento dura circa quattro volte più a lungo che a 1 ms; impostarlo a 1 ms come indica la sezione «USB serial adapters» del README</translation>
    </message>
    <message>
        <source>11900</source>
        <translation>Impossibile salvare le impostazioni in %s.
Verificare che il file non sia protetto da scrittura e che la sua cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>11901</source>
        <translation>Impossibile salvare la lingua in %s; al prossimo avvio resta la lingua attuale.
Verificare che il file non sia protetto da scrittura e che la sua cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>11902</source>
        <translation>Impossibile scrivere il registro della sessione in %s (errore di sistema %d).
Verificare il nome del file e che la sua cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>11903</source>
        <translation>Registro della sessione…</translation>
    </message>
    <message>
        <source>11904</source>
        <translation>Termina registro della sessione</translation>
    </message>
    <message>
        <source>11905</source>
        <translation>Registri della sessione (*.log);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>11911</source>
        <translation>occupata da %s (PID %d)</translation>
    </message>
    <message>
        <source>11912</source>
        <translation>occupata da %s (PID %d, file di blocco %s)</translation>
    </message>
    <message>
        <source>11913</source>
        <translation>occupata da un altro programma che non è possibile identificare</translation>
    </message>
    <message>
        <source>11914</source>
        <translation>nessun permesso: l'utente deve far parte del gruppo %s (poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>11915</source>
        <translation>nessun permesso per aprire %s</translation>
    </message>
    <message>
        <source>11916</source>
        <translation>%s non esiste; dispositivi seriali presenti: %s (assegnarne uno a COM%d in ports.ini)</translation>
    </message>
    <message>
        <source>11917</source>
        <translation>%s non è un dispositivo seriale</translation>
    </message>
    <message>
        <source>11918</source>
        <translation>nessun permesso: solo il proprietario di %s (%s) o l'amministratore può aprire la porta; chiedere l'accesso all'amministratore</translation>
    </message>
    <message>
        <source>11940</source>
        <translation>Il settore di avvio del file di programma è troppo grande (BS_SIZE = %X esadecimale; al massimo 1000000 esadecimale, 16 MiB).
Il file è danneggiato o non è destinato a questo dispositivo; l'aggiornamento non è stato avviato.</translation>
    </message>
    <message>
        <source>11941</source>
        <translation>I record del file non sono in ordine crescente di indirizzo: il record a %06X esadecimale contiene dati per indirizzi che il bootloader ha già ricevuto, quindi il dispositivo li lascerebbe vuoti.
Ordinare il file per indirizzo (ad esempio con srec_cat) e riprovare. Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11942</source>
        <translation>Il file termina prima dei dati che il bootloader ha richiesto a %06X esadecimale. Il file è incompleto o non è destinato a questo dispositivo.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11943</source>
        <translation>Il record del file a %06X esadecimale supera il limite del blocco che il bootloader ha richiesto a %06X esadecimale, quindi i suoi dati non possono essere inviati. Il file è danneggiato o non è destinato a questo dispositivo.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11944</source>
        <translation>Il bootloader ha richiesto un blocco di %d byte; un blocco di un file di aggiornamento contiene da 1 a 64 byte.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>11945</source>
        <translation>La pagina di benvenuto %s non può essere aperta, quindi il sistema operativo verrebbe scritto senza di essa.
Scegliere una pagina di benvenuto esistente; l'aggiornamento non è stato avviato.</translation>
    </message>
    <message>
        <source>11950</source>
        <translation>Verifica non riuscita: lo slot %d differisce dal file a partire dall'indirizzo %04X.</translation>
    </message>
    <message>
        <source>11951</source>
        <translation>Verifica non riuscita: i dati della LINKBOX differiscono dal file a partire dall'indirizzo %04X.</translation>
    </message>
    <message>
        <source>11952</source>
        <translation>Verifica non riuscita: l'intestazione memorizzata nel dispositivo differisce da quella scritta.</translation>
    </message>
    <message>
        <source>11970</source>
        <translation>Impostare il collegamento con «qbx settings set interface=COM1..COM6|tcp address=HOST port=N» oppure indicarlo solo per questa esecuzione con --port COMn|PERCORSO o --tcp HOST[:PORTA].</translation>
    </message>
    <message>
        <source>11971</source>
        <translation>Il file %s non può essere scritto.</translation>
    </message>
    <message>
        <source>11972</source>
        <translation>Interrotto: lo slot %d non è stato scritto completamente e non contiene dati validi. Il bootloader resta al suo posto; trasferire di nuovo il file.</translation>
    </message>
    <message>
        <source>11973</source>
        <translation>Interrotto: non è stato salvato nulla; il dispositivo e i file sono rimasti invariati.</translation>
    </message>
    <message>
        <source>11974</source>
        <translation>Interrotto: il sistema operativo non è stato scritto completamente; finché un aggiornamento non arriva alla fine, il dispositivo non ha un programma funzionante. Il bootloader resta al suo posto; avviare di nuovo l'aggiornamento.</translation>
    </message>
    <message>
        <source>11975</source>
        <translation>Interrotto: il firmware del bootloader non è stato scritto completamente. Il bootloader resta al suo posto; avviare di nuovo l'aggiornamento.</translation>
    </message>
    <message>
        <source>11976</source>
        <translation>Interrotto: la pagina web non è stata scritta completamente nella LINKBOX. Il bootloader resta al suo posto; trasferire di nuovo la pagina.</translation>
    </message>
    <message>
        <source>11977</source>
        <translation>Interrotto: l'immagine dati della LINKBOX non è stata scritta completamente. Il bootloader resta al suo posto; scrivere di nuovo l'immagine dati.</translation>
    </message>
    <message>
        <source>12000</source>
        <translation>Svuotare lo slot %d del bootloader?
Contiene «%s»; questi dati andranno persi.</translation>
    </message>
    <message>
        <source>12001</source>
        <translation>Sostituire i dati del bootloader della LINKBOX?
Attualmente contiene «%s»; questi dati andranno persi.</translation>
    </message>
    <message>
        <source>12002</source>
        <translation>Slot %d: %s – scritto, non riletto per la verifica</translation>
    </message>
    <message>
        <source>12003</source>
        <translation>Slot %d: %s – scritto, riletto e identico al file</translation>
    </message>
    <message>
        <source>12004</source>
        <translation>Slot %d: %s – ricevuto e salvato</translation>
    </message>
    <message>
        <source>12005</source>
        <translation>Slot %d: %s – non riuscito</translation>
    </message>
    <message>
        <source>12006</source>
        <translation>Slot %d: %s – non avviato dopo l'errore</translation>
    </message>
    <message>
        <source>12007</source>
        <translation>Trasferimento interrotto a causa di un errore</translation>
    </message>
    <message>
        <source>12008</source>
        <translation>«%s» non è un indirizzo valido: ciascuna delle sue quattro parti deve essere un numero da 0 a 255.</translation>
    </message>
    <message>
        <source>12009</source>
        <translation>%d è fuori dall'intervallo ammesso per questo campo; ora il campo mostra il valore più vicino possibile, %d.
Premere OK per scrivere questo valore.</translation>
    </message>
    <message>
        <source>12019</source>
        <translation>File: %s</translation>
    </message>
    <message>
        <source>12010</source>
        <translation>Scegliere i dati di funzione per lo slot %d</translation>
    </message>
    <message>
        <source>12011</source>
        <translation>Salvare lo slot %d con nome</translation>
    </message>
    <message>
        <source>12012</source>
        <translation>Scegliere il file di dati da scrivere nella LINKBOX</translation>
    </message>
    <message>
        <source>12013</source>
        <translation>Salvare i dati della LINKBOX con nome</translation>
    </message>
    <message>
        <source>12014</source>
        <translation>Scegliere il file di programma del sistema operativo</translation>
    </message>
    <message>
        <source>12015</source>
        <translation>Scegliere una pagina di benvenuto</translation>
    </message>
    <message>
        <source>12016</source>
        <translation>Salvare la pagina di benvenuto con nome</translation>
    </message>
    <message>
        <source>12017</source>
        <translation>Scegliere il file firmware del bootloader</translation>
    </message>
    <message>
        <source>12018</source>
        <translation>Scegliere la pagina web o l'immagine per la LINKBOX</translation>
    </message>
    <message>
        <source>12020</source>
        <translation>Salvare il registro della sessione con nome</translation>
    </message>
    <message>
        <source>12021</source>
        <translation>Il dispositivo non può visualizzare %s; al suo posto mostra uno spazio.</translation>
    </message>
    <message>
        <source>12022</source>
        <translation>Versione %s</translation>
    </message>
    <message>
        <source>12023</source>
        <translation>Questo computer non ha la porta seriale %s.</translation>
    </message>
    <message>
        <source>12024</source>
        <translation>Solo per TCP/IP: selezionare TCP/IP in alto.</translation>
    </message>
    <message>
        <source>12025</source>
        <translation>Scegliere il file da controllare</translation>
    </message>
    <message>
        <source>11906</source>
        <translation>Il file %s esiste già.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>11910</source>
        <translation>Il percorso è troppo lungo: %d byte. Il programma può memorizzare percorsi di al massimo %d byte (lettere come ä, é o ß ne occupano due). Scegliere un percorso più corto.</translation>
    </message>
    <message>
        <source>11920</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>11921</source>
        <translation>Inserire un numero intero senza segno (0 o maggiore).</translation>
    </message>
    <message>
        <source>12100</source>
        <translation>Verifica file…</translation>
    </message>
    <message>
        <source>12102</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>12103</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>12104</source>
        <translation>immagine del programma</translation>
    </message>
    <message>
        <source>12105</source>
        <translation>immagine del settore di avvio</translation>
    </message>
    <message>
        <source>12106</source>
        <translation>File verificati: %d, a posto: %d, non andrebbero a buon fine o perderebbero dati: %d.</translation>
    </message>
    <message>
        <source>12107</source>
        <translation>La verifica non conosce questo tipo di file; controlla i file .dat, .prg, .frm, .bgs, .html e .gif.</translation>
    </message>
    <message>
        <source>12108</source>
        <translation>File del programma (*.dat *.prg *.frm *.bgs *.html *.gif);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>12110</source>
        <translation>File di programma a immagine singola %s per %s (codice dispositivo %02X); al dispositivo vengono annunciati %X byte esadecimali, che richiede in blocchi da 64.</translation>
    </message>
    <message>
        <source>12111</source>
        <translation>File firmware %s per la famiglia di bootloader %02X; l'intestazione indica %X byte esadecimali, che la verifica richiede in blocchi da 64.</translation>
    </message>
    <message>
        <source>12112</source>
        <translation>File di programma a due immagini per %s (codice dispositivo %02X), PROGRAM %s, BOOTSECTOR %s; DATA_SIZE %X e BS_SIZE %X esadecimali.</translation>
    </message>
    <message>
        <source>12113</source>
        <translation>La tabella dei dispositivi non conosce DEVICE «%s»: il bootloader riceve il codice dispositivo 00 e decide autonomamente.</translation>
    </message>
    <message>
        <source>12114</source>
        <translation>Dati da %06X a %06X.</translation>
    </message>
    <message>
        <source>12115</source>
        <translation>Nessun dato da %06X a %06X: il dispositivo lascia cancellati questi %d byte (FF).</translation>
    </message>
    <message>
        <source>12116</source>
        <translation>Indirizzo di segmento esteso %04X (tipo 02): i record successivi vengono posti da %06X in poi.</translation>
    </message>
    <message>
        <source>12117</source>
        <translation>Indirizzo lineare esteso %04X (tipo 04): i record successivi vengono posti da %06X in poi.</translation>
    </message>
    <message>
        <source>12118</source>
        <translation>Il record a %06X ha il checksum %02X, ma i suoi byte danno %02X. Il trasferimento non lo controlla e invia i byte così come sono.</translation>
    </message>
    <message>
        <source>12119</source>
        <translation>Il record a %06X non ha checksum. Il trasferimento non ne ha bisogno e invia i suoi byte così come sono.</translation>
    </message>
    <message>
        <source>12120</source>
        <translation>I dati da %06X a %06X si trovano oltre i %X byte esadecimali richiesti dal dispositivo: non arrivano mai al dispositivo.</translation>
    </message>
    <message>
        <source>12121</source>
        <translation>I primi %X byte esadecimali dell'immagine del programma vengono conservati e rinviati in questa immagine da %06X a %06X, ovunque non abbia dati propri.</translation>
    </message>
    <message>
        <source>12122</source>
        <translation>La finestra del settore di avvio termina a %06X, oltre DATA_SIZE %X: il dispositivo non richiede mai gli ultimi %d byte del settore di avvio.</translation>
    </message>
    <message>
        <source>12123</source>
        <translation>La pagina di benvenuto %s entra nel testo di avvio; il dispositivo mostrerà: «%s»</translation>
    </message>
    <message>
        <source>12124</source>
        <translation>La pagina di benvenuto %s non entra in questo file: solo i file BRAVOLT_PROGRAM_FILE e i file a due immagini per QRT5130 ne accolgono una.</translation>
    </message>
    <message>
        <source>12125</source>
        <translation>%s: il set di caratteri del dispositivo non ha %s (posizione %d); il trasferimento invia il byte così com'è e il dispositivo mostra uno spazio al suo posto.</translation>
    </message>
    <message>
        <source>12126</source>
        <translation>Altri %d record hanno un checksum che non corrisponde.</translation>
    </message>
    <message>
        <source>12127</source>
        <translation>Descrizione dello slot: il carattere %s in posizione %d diventa uno spazio sul dispositivo.</translation>
    </message>
    <message>
        <source>12128</source>
        <translation>Pagina di benvenuto: il carattere %s in posizione %d diventa uno spazio sul dispositivo.</translation>
    </message>
    <message>
        <source>12129</source>
        <translation>Questa immagine ha dati propri da %06X a %06X all'interno della finestra; lì vengono inviati al posto dei byte conservati.</translation>
    </message>
    <message>
        <source>12130</source>
        <translation>Dati di funzione, formato file %d, codice dispositivo %02X (%s), %d byte di dati.</translation>
    </message>
    <message>
        <source>12131</source>
        <translation>Il dispositivo memorizza FIRMWARE «%s», BOOTSECTOR «%s» e la descrizione «%s».</translation>
    </message>
    <message>
        <source>12132</source>
        <translation>Dopo il trasferimento l'elenco degli slot lo mostra come «N: %s (%d bytes)».</translation>
    </message>
    <message>
        <source>12133</source>
        <translation>Un file con i dati propri della LINKBOX (codice dispositivo A3): qbx bootdata write e la finestra dei dati del bootloader lo accettano.</translation>
    </message>
    <message>
        <source>12134</source>
        <translation>%s «%s» è più lungo dei %d caratteri che il dispositivo conserva: memorizza «%s».</translation>
    </message>
    <message>
        <source>12135</source>
        <translation>L'intestazione non indica alcuna dimensione, quindi la verifica non può sapere fin dove il bootloader chiederà; i suoi record non vengono percorsi.</translation>
    </message>
    <message>
        <source>12136</source>
        <translation>Il nome del file «%s» è più lungo dei %d caratteri della descrizione dello slot: il dispositivo memorizza «%s».</translation>
    </message>
    <message>
        <source>12140</source>
        <translation>Pagina di benvenuto di %d byte; il dispositivo mostrerà: «%s»</translation>
    </message>
    <message>
        <source>12141</source>
        <translation>Il file ha %d byte; una pagina di benvenuto ne ha 88 (quattro righe di 22 caratteri). Un aggiornamento del sistema operativo scrive i suoi primi 88 byte così come sono, fine riga compresi.</translation>
    </message>
    <message>
        <source>12145</source>
        <translation>Pagina web: file %s di %d byte; la LINKBOX accetta al massimo %d byte.</translation>
    </message>
    <message>
        <source>12146</source>
        <translation>Il file non inizia come un'immagine GIF (GIF87a o GIF89a); la LINKBOX lo servirebbe comunque come tale.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message>
        <source>About Quillbox Suite</source>
        <translation>Informazioni su Quillbox Suite</translation>
    </message>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>Service tool for programmable heating controllers: function data, welcome pages, operating systems, bootloader firmware and LINKBOX web pages.</source>
        <translation>Strumento di assistenza per regolatori di riscaldamento programmabili: dati di funzione, pagine di benvenuto, sistemi operativi, firmware del bootloader e pagine web della LINKBOX.</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Apri la homepage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog102</name>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quillbox Suite&lt;/b&gt; — service tool for QRT5130 controllers and their bus devices</source>
        <translation>&lt;b&gt;Quillbox Suite&lt;/b&gt; — strumento di assistenza per regolatori QRT5130 e relativi dispositivi bus</translation>
    </message>
    <message>
        <source>Function data</source>
        <translation>Dati di funzione</translation>
    </message>
    <message>
        <source>Upload function data to the bootloader...</source>
        <translation>Trasferisci i dati di funzione al bootloader...</translation>
    </message>
    <message>
        <source>Download function data from the bootloader...</source>
        <translation>Leggi i dati di funzione dal bootloader...</translation>
    </message>
    <message>
        <source>Operating systems and firmware</source>
        <translation>Sistemi operativi e firmware</translation>
    </message>
    <message>
        <source>Update controller or bus device operating system...</source>
        <translation>Aggiorna il sistema operativo di un regolatore o dispositivo bus...</translation>
    </message>
    <message>
        <source>Update bootloader firmware...</source>
        <translation>Aggiorna il firmware del bootloader...</translation>
    </message>
    <message>
        <source>LINKBOX</source>
        <translation>LINKBOX</translation>
    </message>
    <message>
        <source>Write bootloader data...</source>
        <translation>Scrivi i dati del bootloader...</translation>
    </message>
    <message>
        <source>Read bootloader data...</source>
        <translation>Leggi i dati del bootloader...</translation>
    </message>
    <message>
        <source>Upload web pages...</source>
        <translation>Trasferisci pagine web...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog148</name>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog163</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Language of the program (takes effect at the next start)</source>
        <translation>Lingua del programma (valida dal prossimo avvio)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog132</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Interfaccia seriale</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>TCP/IP (LINKBOX)</source>
        <translation>TCP/IP (LINKBOX)</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Check TCP connection...</source>
        <translation>Verifica la connessione TCP...</translation>
    </message>
    <message>
        <source>Bootloader and program</source>
        <translation>Bootloader e programma</translation>
    </message>
    <message>
        <source>Search serial ports...</source>
        <translation>Cerca nelle porte seriali...</translation>
    </message>
    <message>
        <source>Switch bootloader mode...</source>
        <translation>Commuta la modalità operativa del bootloader...</translation>
    </message>
    <message>
        <source>Bootloader settings...</source>
        <translation>Impostazioni del bootloader...</translation>
    </message>
    <message>
        <source>Working folders...</source>
        <translation>Cartelle di lavoro...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Lingua...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog156</name>
    <message>
        <source>Working folders</source>
        <translation>Cartelle di lavoro</translation>
    </message>
    <message>
        <source>Function data to upload:</source>
        <translation>Dati di funzione da trasferire:</translation>
    </message>
    <message>
        <source>Function data downloaded:</source>
        <translation>Dati di funzione letti:</translation>
    </message>
    <message>
        <source>Bootloader firmware:</source>
        <translation>Firmware del bootloader:</translation>
    </message>
    <message>
        <source>Welcome pages:</source>
        <translation>Pagine di benvenuto:</translation>
    </message>
    <message>
        <source>Own folder</source>
        <translation>Cartella personalizzata</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog133</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Uploading function data</source>
        <translation>Trasferimento dei dati di funzione</translation>
    </message>
</context>
<context>
    <name>Dialog134</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Downloading function data</source>
        <translation>Lettura dei dati di funzione</translation>
    </message>
</context>
<context>
    <name>Dialog153</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Nel bootloader</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Empty slot</source>
        <translation>Svuota slot</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Upload function data: choose the files</source>
        <translation>Trasferimento dei dati di funzione: scegliere i file</translation>
    </message>
    <message>
        <source>Welcome page...</source>
        <translation>Pagina di benvenuto...</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verifica dopo la scrittura</translation>
    </message>
</context>
<context>
    <name>Dialog157</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Nel bootloader</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Download function data: choose where to save</source>
        <translation>Lettura dei dati di funzione: scegliere dove salvare</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>File di destinazione</translation>
    </message>
</context>
<context>
    <name>Dialog253</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Impostazioni del display</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Riga 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Riga 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Riga 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Riga 4:</translation>
    </message>
    <message>
        <source>Load page file...</source>
        <translation>Carica file della pagina...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Own welcome page</source>
        <translation>Pagina di benvenuto personalizzata</translation>
    </message>
    <message>
        <source>Save page file...</source>
        <translation>Salva file della pagina...</translation>
    </message>
    <message>
        <source>Setting A:</source>
        <translation>Impostazione A:</translation>
    </message>
    <message>
        <source>Setting B:</source>
        <translation>Impostazione B:</translation>
    </message>
    <message>
        <source>Setting C:</source>
        <translation>Impostazione C:</translation>
    </message>
    <message>
        <source>Setting D:</source>
        <translation>Impostazione D:</translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation>Pagina di benvenuto</translation>
    </message>
</context>
<context>
    <name>Dialog130</name>
    <message>
        <source>Operating system update</source>
        <translation>Aggiornamento del sistema operativo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog147</name>
    <message>
        <source>Bootloader firmware update</source>
        <translation>Aggiornamento del firmware del bootloader</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog254</name>
    <message>
        <source>Web page upload</source>
        <translation>Trasferimento di pagine web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog160</name>
    <message>
        <source>Prepare the operating system update</source>
        <translation>Preparazione dell'aggiornamento del sistema operativo</translation>
    </message>
    <message>
        <source>Welcome-page file:</source>
        <translation>File della pagina di benvenuto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>Annulla modifica</translation>
    </message>
    <message>
        <source>Program file</source>
        <translation>File di programma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog144</name>
    <message>
        <source>Search serial ports</source>
        <translation>Ricerca nelle porte seriali</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Porte seriali</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog167</name>
    <message>
        <source>TCP/IP status</source>
        <translation>Stato TCP/IP</translation>
    </message>
    <message>
        <source>TCP/IP connection</source>
        <translation>Connessione TCP/IP</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog255</name>
    <message>
        <source>Bootloader data</source>
        <translation>Dati del bootloader</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog166</name>
    <message>
        <source>Bootloader settings</source>
        <translation>Impostazioni del bootloader</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Configurazione del bootloader:</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Configurazione 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Configurazione 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Configurazione 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Configurazione 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Configurazione 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Configurazione 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Configurazione 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Configurazione 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog168</name>
    <message>
        <source>LINKBOX network settings</source>
        <translation>Impostazioni di rete della LINKBOX</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Configurazione del bootloader:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Parameter byte (0 to 255):</source>
        <translation>Byte di parametro (da 0 a 255):</translation>
    </message>
    <message>
        <source>Parameter word 1 (0 to 65535):</source>
        <translation>Parola di parametro 1 (da 0 a 65535):</translation>
    </message>
    <message>
        <source>Parameter word 2 (0 to 65535):</source>
        <translation>Parola di parametro 2 (da 0 a 65535):</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Configurazione 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Configurazione 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Configurazione 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Configurazione 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Configurazione 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Configurazione 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Configurazione 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Configurazione 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Dialog170</name>
    <message>
        <source>File check</source>
        <translation>Verifica dei file</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>

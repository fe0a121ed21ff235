#include "help/HelpTopics.h"

#include <QStringList>

#include <initializer_list>

namespace {

// The paragraphs, word for word. C: the vehicle card, M: the deadline menu,
// E: the export window, L: the launcher's own.
const char* const C1 =
    "L'app Parco Automezzi permette di creare una dettagliata scheda descrittiva di ogni mezzo della propria flotta "
    "corredata di foto in cui registrare il tipo di veicolo, la destinazione e l'uso, la marca e il modello, il numero "
    "di targa e di telaio, l'anno di immatricolazione, il colore, il tipo di pneumatici montati, lo stato del veicolo, "
    "il tipo di alimentazione (benzina, diesel, elettricità, GPL, ibrida, metano), i cavalli fiscali o kW, la "
    "cilindrata, i chilometri percorsi e la data in cui è stata effettuata la lettura, il numero di posti, la portata "
    "massima e la classe di compatibilità ambientale.";
const char* const C2 =
    "E' inoltre possibile annotare gli incidenti subiti, il nome della compagnia di assicurazione, il telefono "
    "dell'assicuratore e l'importo dell'ultima polizza pagata. Ad ogni mezzo si può associare il relativo "
    "proprietario, l'autista e il meccanico di fiducia con relativi recapiti telefonici. Ogni ulteriore informazione "
    "riferita al veicolo può essere inserita nel campo delle note.";
const char* const C3 = "Per registrare una nuova scheda, è sufficiente fare clic sul pulsante Nuovo, compilare i campi "
                       "di testo e premere Salva. Si tenga presente che i campi riguardanti il tipo di veicolo, la "
                       "marca, il modello e il numero di targa sono a compilazione obbligatoria.";
const char* const C4 =
    "Per aggiornare una scheda esistente, bisogna richiamarla nella finestra di lavoro, apportare le modifiche "
    "desiderate e premere Salva. Una scheda già registrata può essere richiamata utilizzando la funzione di ricerca o "
    "le frecce di scorrimento, le quali consentono di visualizzare il record precedente o quello successivo, oppure di "
    "posizionarsi in testa o in coda all'archivio.";
const char* const C5 =
    "Il pulsante Carica foto permette di inserire l'immagine del veicolo in formato Jpeg o Bitmap nella scheda tecnica "
    "descrittiva. Tale immagine viene ridotta in scala automaticamente per adeguarsi alle dimensioni del riquadro di "
    "anteprima. E' comunque possibile visualizzare la foto a tutto schermo facendo clic sull'icona dello zoom. "
    "L'immagine del mezzo visibile nella scheda può essere salvata su disco o cancellata in qualsiasi momento "
    "utilizzando gli appositi pulsanti.";
const char* const C6 = "Il pulsante Slide Show mostra in sequenza ad intervalli di sei secondi e a schermo intero "
                       "tutte le foto dei veicoli presenti nel parco automezzi. Una volta visualizzata l'ultima foto "
                       "in archivio, la presentazione riprende dal principio. Per uscire dalla modalità Slide Show è "
                       "sufficiente fare clic su un punto qualsiasi della schermata.";
const char* const C7 =
    "Il pulsante Duplica è utile se si deve registrare la scheda di un nuovo veicolo che ha molti elementi in comune "
    "con quella di un veicolo già in archivio. A tal fine, è sufficiente richiamare la vecchia scheda, premere "
    "Duplica, apportare le dovute modifiche nei campi di testo e premere Salva.";
const char* const C8 =
    "Il programma consente di allegare a ciascuna scheda file esterni di qualsiasi genere che potrebbero contenere, ad "
    "esempio, le copie acquisite allo scanner dei documenti dell'automezzo, come il libretto di circolazione, la "
    "ricevuta di pagamento del bollo o il contratto di assicurazione.";
const char* const C9 =
    "Il pulsante Trova consente di effettuare ricerche avanzate in archivio funzionanti anche con chiave parziale, "
    "ossia indicando una o più parole consecutive contenute nei campi di testo. Per ogni ricerca è possibile "
    "utilizzare uno o più filtri contemporaneamente. Ciò consente, ad esempio, di ottenere l'elenco di tutti i veicoli "
    "intestati a un certo proprietario o assegnati allo stesso autista, oppure di quelli di una certa marca o modello. "
    "I risultati di ciascuna ricerca possono essere stampati.";
const char* const C10 =
    "L'utente addetto all'aggiornamento delle schede dei veicoli dovrebbe aggiornare regolarmente la data di scadenza "
    "della revisione, del tagliando, dell'assicurazione e del bollo. Così facendo, sarà possibile tenere sotto "
    "controllo i pagamenti da effettuare sfruttando l'app per il monitoraggio delle scadenze imminenti.";
const char* const C11 =
    "Il pulsante Gestione costi è studiato per annotare le spese sostenute per il veicolo, ad esempio per le "
    "manutenzioni ordinarie e straordinarie, e sapere quanto ci è costato il mezzo complessivamente. Per usufruire di "
    "tale funzione, bisogna innanzitutto memorizzare la scheda descrittiva del veicolo o richiamarla dall'archivio se "
    "è già stata salvata, quindi fare clic sul pulsante Gestione costi e premere il pulsante Aggiungi costo per "
    "registrare una nuova spesa. Per modificare i dati di una spesa già registrata, bisogna premere il pulsante "
    "Modifica costo dopo aver selezionato la voce di interesse dall'elenco.";
const char* const C12 =
    "Un costo va registrato indicando la data e la causale del pagamento, il nome del pagatore e del beneficiario e "
    "l'importo pagato. Il totale complessivo dei costi sostenuti per il veicolo viene calcolato automaticamente e "
    "visualizzato in calce all'elenco che compare quando si apre la finestra per la gestione dei costi. Il pulsante "
    "Stampa riepilogo consente di stampare il riepilogo delle spese relative al veicolo selezionato.";
const char* const C13 =
    "La scheda tecnica descrittiva completa di foto di ciascun veicolo può essere visualizzata in anteprima o stampata "
    "su carta, mentre l'intero archivio del parco automezzi può essere esportato in un file di Microsoft Excel.";
const char* const M1 = "L'app Scadenze Imminenti consente di monitorare, per ciascun veicolo, le scadenze relative "
                       "alla revisione, al tagliando, al rinnovo dell'assicurazione e al pagamento del bollo sulla "
                       "base dei dati inseriti nell'archivio del parco automezzi.";
const char* const M2 = "Per visualizzare l'elenco delle scadenze imminenti è sufficiente premere uno dei quattro "
                       "pulsanti arancioni presenti nella schermata di selezione. Il riepilogo che appare visualizza, "
                       "a seconda del pulsante premuto, le revisioni, i tagliandi, le assicurazioni o i bolli già "
                       "scaduti o in scadenza nei prossimi 7 giorni. Tale riepilogo può essere stampato su carta.";
const char* const M3 =
    "Dopo aver ottemperato a una scadenza, bisogna ricordarsi di aggiornare la scheda del veicolo nel parco automezzi "
    "inserendo la prossima data di scadenza sovrascrivendo quella passata. Inoltre, è buona norma registrare il "
    "pagamento effettuato nella finestra accessibile tramite il pulsante Gestione costi presente nella stessa scheda.";
const char* const E1 =
    "Il pulsante Esporta archivio consente di esportare tutti i veicoli registrati nel parco automezzi in un foglio di "
    "lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in formato "
    "XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).";
const char* const E2 =
    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. Questa "
    "operazione crea in tempo reale un file in formato XLS contenente tutte le schede in archivio, che potrà essere "
    "aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare.";
const char* const E3 =
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.";
const char* const L1 = "Corvanta è un software facile e intuitivo studiato per archiviare le informazioni e le foto di "
                       "ogni mezzo del parco auto aziendale, tenere sotto controllo i costi di manutenzione degli "
                       "automezzi e le scadenze riguardanti la revisione, il tagliando, l'assicurazione e il bollo.";
const char* const L2 = "Il software può essere usato anche in una rete locale se si ha necessità di condividere gli "
                       "archivi fra più postazioni di lavoro.";
const char* const L3 = "L'accesso al software è protetto da una password aggiornabile dall'utente che può essere "
                       "cambiata tutte le volte che si desidera. Per il primo accesso al programma, bisogna utilizzare "
                       "la parola chiave \"parolainiziale\" (scritta senza le virgolette).";
const char* const L4 =
    "Corvanta può essere utilizzato anche su chiavetta USB. A tal fine, basta copiare la cartella del programma su "
    "pen-drive e fare doppio clic sull'icona dell'applicazione per eseguirla. La copia della cartella su dispositivo "
    "esterno è anche il metodo più veloce per effettuare il backup di tutti gli archivi.";
const char* const L5 =
    "Corvanta è quindi il programma ideale per le ditte che dispongono di un autoparco e vogliono monitorare i costi "
    "di manutenzione ed essere avvisati quando sta per scadere il bollo, la revisione, il tagliando o l'assicurazione, "
    "tenendo traccia di ogni informazione riguardante ciascun mezzo della propria flotta. L'utente resterà "
    "piacevolmente sorpreso nel constatare come il software richieda tempi di apprendimento praticamente nulli.";

// I: the import window.
const char* const I1 =
    "La finestra Importa veicoli porta in archivio i veicoli di un foglio di calcolo già esistente. Il foglio deve "
    "avere nella prima riga i nomi delle colonne (per esempio Tipo, Marca, Modello, Targa, Km, Scad. revisione) e "
    "una riga per ogni veicolo, e va prima salvato come file CSV.";
const char* const I2 =
    "Da Microsoft Excel: aprire il foglio, scegliere File, Salva con nome, e come tipo di file \"CSV (delimitato dal "
    "separatore di elenco) (*.csv)\" oppure \"CSV UTF-8 (delimitato da virgole) (*.csv)\"; confermare che si vuole "
    "salvare soltanto il foglio attivo.";
const char* const I3 =
    "Da LibreOffice Calc: aprire il foglio, scegliere File, Salva con nome, e come tipo di file \"Testo CSV "
    "(.csv)\"; alla domanda sul formato scegliere \"Usa il formato Testo CSV\", poi come set di caratteri Unicode "
    "(UTF-8) e come separatore di campo il punto e virgola o la virgola.";
const char* const I4 =
    "Premere Scegli file... e indicare il file salvato. Corvanta riconosce da solo la codifica, il separatore e le "
    "colonne che corrispondono ai campi della scheda; nella colonna Campo della scheda si può scegliere un altro "
    "campo o \"(non importare)\". L'anteprima mostra le prime righe come verranno salvate, e l'elenco sotto dice "
    "riga per riga che cosa verrà saltato o cambiato. Le righe senza tipo, marca, modello o targa, e quelle con una "
    "targa già presente, vengono saltate.";
const char* const I5 =
    "Importa aggiunge le schede in fondo all'archivio. Finché le schede importate non sono state modificate e nessuna "
    "altra scheda è stata aggiunta, Annulla ultima importazione le toglie di nuovo.";

using Paragraphs = std::initializer_list<const char*>;

const Paragraphs CardParagraphs = {C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13};
const Paragraphs DeadlineParagraphs = {M1, M2, M3};

QString joined(std::initializer_list<Paragraphs> parts)
{
    QStringList paragraphs;
    for (const Paragraphs& part : parts) {
        for (const char* paragraph : part)
            paragraphs.append(QString::fromUtf8(paragraph));
    }
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

namespace HelpTopics {

HelpTopic launcher()
{
    return {QStringLiteral("Uno sguardo a Corvanta"),
            joined({{L1}, CardParagraphs, DeadlineParagraphs, {L2, L3, L4, L5}})};
}

HelpTopic card()
{
    return {QStringLiteral("App Parco Automezzi"), joined({CardParagraphs})};
}

HelpTopic exportWindow()
{
    return {QStringLiteral("Esportazione archivio veicoli in Microsoft Excel"), joined({{E1, E2, E3}})};
}

HelpTopic importWindow()
{
    return {QStringLiteral("Importa veicoli da un foglio di calcolo"), joined({{I1, I2, I3, I4, I5}})};
}

HelpTopic deadlineMenu()
{
    return {QStringLiteral("App Scadenze Imminenti"), joined({DeadlineParagraphs})};
}

} // namespace HelpTopics

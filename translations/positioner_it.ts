<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Apprendi</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Sistemi</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>Salva e usa</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Posizionatore</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>Tipo dell&apos;asse %1</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>non usato</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>Asse esterno che muove l&apos;asse %1</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>Assi esterni confrontati</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>Asse 1: punti da 1 a 3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>Asse 2: punti da 4 a 6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>Sistema utente: punti da 7 a 9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punto %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Asse 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Asse 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>Asse 2 rispetto alla base</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema utente</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>Scrivi e invia il file di calibrazione</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>Falla leggere al controllore</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Scrivi il rapporto</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>Registra wobj_dyn0</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>Salva i sistemi oggetto</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>Riscrivi il programma dei sistemi utente</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>Oggetto di lavoro attivo</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>Il controllore acquisisce il punto %1.</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>Il punto %1 viene cancellato.</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>Gruppo scarso</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>Il consulente giudica scarso questo gruppo. Calcolare comunque?</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>Calcola comunque</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>Apprendi di nuovo</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>Il controllore calcola il sistema utente (fino a 16 s).</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>Il controllore calcola l&apos;asse %1 (fino a 2 s).</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>Il sistema è calcolato.</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>Il controllore non ha fornito alcun sistema.</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>Impossibile scrivere il file di calibrazione.</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>Il file di calibrazione viene inviato.</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>Il file di calibrazione è scritto e inviato.</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>Impossibile inviare il file di calibrazione.</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>Al controllore è stato chiesto di leggere il file di calibrazione.</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>Il rapporto è scritto in %1.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Impossibile scrivere il rapporto: %1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>Il controllore passa al posizionatore %1.</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 segue il posizionatore %1.</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>L&apos;editor non ha accettato wobj_dyn0.</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>I sistemi oggetto sono salvati.</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>Impossibile salvare i sistemi oggetto.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>Il programma dei sistemi utente viene riscritto.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>Il programma dei sistemi utente è riscritto e inviato.</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>Impossibile riscrivere il programma dei sistemi utente.</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 è l&apos;oggetto di lavoro attivo.</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>Impossibile attivare %1.</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 mm, a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 mm; assi esterni %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>non appreso</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>appreso</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>Apprendi i tre punti; il consulente poi li giudica.</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x continua, y tratteggiata, z punteggiata; cerchi: punti appresi</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>Nessun posizionatore è cambiato dalla lettura del file di calibrazione.</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>Cambiato dalla lettura del file di calibrazione: posizionatore %1.</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>Vista dall&apos;alto (x a destra, y in alto)</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>Vista laterale (x a destra, z in alto)</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>PositionerAdvisor</name>
    <message>
        <source>good</source>
        <translation>buono</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>al limite</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>scarso</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incompleto</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>illimitato</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema utente</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>Asse %1 del posizionatore</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>Non esiste un gruppo %1 di punti di calibrazione.</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1: il punto %2 non è ancora stato appreso.</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1: i punti contengono valori che non sono posizioni raggiungibili da un robot.</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1: alcuni punti coincidono o giacciono tutti su una retta; il calcolo fallirebbe.</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1: l&apos;angolo minimo del triangolo è di %2 gradi, il lato più corto di %3 mm, e il terzo punto si trova a %4 mm dalla retta per i primi due. Con tocchi sbagliati di %5 mm il sistema sarà ruotato di circa %6 gradi (fino a %7) e la sua origine spostata di %8 mm.</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1: i punti coprono %2 gradi di un cerchio di raggio %3 mm. Con tocchi sbagliati di %4 mm l&apos;asse sarà spostato di circa %5 mm (fino a %6 mm) e inclinato di circa %7 gradi (fino a %8).</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 Giudizio: %2.</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>I gruppi sono 0 (asse 1 del posizionatore), 1 (asse 2 del posizionatore) e 2 (sistema utente).</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>Apprendere il punto %1.</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>Apprendere di nuovo i punti di questo gruppo.</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>Apprendere tre segni che formino un triangolo: il terzo punto non deve trovarsi sulla retta per i primi due.</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>Ruotare il posizionatore tra i punti in modo che il segno si muova su un cerchio.</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>Distanziare i punti di almeno %1 gradi: ruotare ancora l&apos;asse %2 del posizionatore tra di essi.</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>Toccare un segno più lontano dall&apos;asse: la sua direzione si determina tanto meglio quanto più grande è il cerchio.</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>Il terzo punto è quasi sulla retta per i primi due: allontanarlo da quella retta.</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>Portare il secondo punto più lontano dal primo lungo x.</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>Apprendere segni più distanti: l&apos;orientamento si determina tanto meglio quanto più grande è il triangolo.</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>La disposizione è corretta; toccare i punti con più cura.</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>Il punto %1 è stato acquisito.</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>Non esiste il punto di calibrazione %1; i punti sono numerati da 1 a 9.</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>Il punto %1 non è stato acquisito: nessun posizionatore è selezionato.</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>Il punto %1 dista %2 dal punto %3 (posizione e orientamento sommati); serve almeno %4.</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>Il punto %1 era troppo vicino a un altro punto del suo gruppo.</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>Gli assi esterni si sono mossi di %2 in totale tra il punto %3 e il punto %1; serve almeno %4.</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>Il posizionatore non ha ruotato abbastanza prima del punto %1.</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>Il punto %1 è stato rifiutato: nessun asse esterno viene confrontato, quindi la rotazione del posizionatore non si vede.</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>L&apos;asse esterno %2, che muove l&apos;asse %3 del posizionatore, si è mosso di %4 tra il punto %5 e il punto %1; serve almeno %6.</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>L&apos;asse esterno %2 non ha ruotato abbastanza prima del punto %1.</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>L&apos;asse %2 del posizionatore è assegnato all&apos;asse esterno %3, ma vengono confrontati solo %4 assi esterni, quindi il punto %1 non può mostrarne la rotazione.</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>Gli altri assi esterni si sono mossi di %2 in totale tra il punto %3 e il punto %1; è consentito al massimo %4.</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>Altri assi esterni hanno ruotato prima del punto %1.</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>Il posizionatore si è mosso di %2 tra il punto %3 e il punto %1; i punti del sistema utente lo richiedono fermo (meno di %4).</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>Il posizionatore si è mosso prima del punto %1.</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>Punto %1: %2 non è un risultato dell&apos;apprendimento di questo punto.</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>Apprendere uno dei punti da 1 a 9.</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>Selezionare prima un posizionatore.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>Ruotare ancora l&apos;asse %1 del posizionatore prima di toccare di nuovo il segno.</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>Toccare un segno più lontano dagli altri punti.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>Ruotare ancora l&apos;asse %1 del posizionatore tra i punti.</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>Impostare il numero di assi esterni prima di apprendere i punti degli assi.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>Ruotare proprio l&apos;asse %1 del posizionatore e verificare che l&apos;asse esterno %2 sia quello che lo muove.</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>Correggere l&apos;asse esterno dell&apos;asse %1 del posizionatore o il numero di assi esterni.</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>Lasciare gli altri assi dove si trovavano al punto %1 e ruotare solo l&apos;asse %2 del posizionatore.</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>Ruotare solo l&apos;asse %1 del posizionatore.</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>Riportare il posizionatore dove si trovava al punto %1.</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>Tenere fermo il posizionatore durante l&apos;apprendimento del sistema utente.</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>Il punto %1 è stato rifiutato: la posizione del punto %1 o del punto %2 non è un numero valido.</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>riga %1: XML non ben formato: %2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>non è un file di calibrazione: l&apos;elemento radice è &lt;%1&gt;, non &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>non è un file di calibrazione: nessun elemento radice</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>voce %1 di &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>%1 voci invece di %2: i posizionatori dal %3 in poi mantengono ciò che il terminale aveva prima della lettura</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 si trova oltre la decima ed è ignorata</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 non è un elemento ma viene letto come record del posizionatore %2, con entrambi gli assi in uso</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>un&apos;istruzione di elaborazione</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; viene letto come record del posizionatore %2</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>un &lt;Positioner&gt; senza id viene letto come posizionatore %1</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>&lt;Positioner&gt; con id &quot;%1&quot; è %2 e viene letto come posizionatore %3</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>attributo inatteso &quot;%1&quot; in &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>%1 inatteso in &lt;%2&gt;</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>istruzione di elaborazione</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>elemento inatteso &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>secondo &lt;%1&gt;: viene letto solo il primo</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; e &lt;Axes2Index&gt; valgono entrambi %1: due assi su un solo asse esterno</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; vale %1 ma i tipi mettono in uso %2 assi</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>manca &lt;%1&gt;: l&apos;asse viene letto come in uso</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>manca &lt;%1&gt;: letto come asse esterno 0</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>manca &lt;%1&gt;</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>manca &lt;%1&gt;: la sua x viene letta come 0 e gli altri valori restano com&apos;erano</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; contiene più di un testo</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; non è un intero decimale: letto come %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 è minore di -1: letto come asse non in uso</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 non si trova oltre i %3 assi del robot: letto come asse esterno 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; vale %2 per un asse non in uso, che viene scritto come 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; contiene %2 valori invece di %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; valore %2 &quot;%3&quot; non è un numero: letto come 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; valore %2 &quot;%3&quot; non è scritto con quattro decimali</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Codice di uscita: 0 nessun problema, 1 rilievi, 2 non è un file di calibrazione, illeggibile o errore d&apos;uso.</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>Il comando.</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>Il numero di assi propri del robot, che sposta gli indici degli assi (predefinito 6).</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>Il file da leggere.</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 richiede %2 file come argomento</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count richiede un numero da 0 a 64</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>Vedere: positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>Il primo file di calibrazione.</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>Il secondo file di calibrazione.</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>Controlla un file di calibrazione come farebbe un lettore attento: dieci voci &lt;Positioner&gt; con id da 1 a 10 in ordine, i nove elementi di valore, &lt;EnableAxesNum&gt; coerente con i tipi, sistemi di sei numeri con quattro decimali, nulla di inatteso. Ogni rilievo indica la sua riga e cosa ne fa la lettura per posizione del terminale.
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: nessun rilievo</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1: %2 rilievo/i</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Mostra i dieci record come li tiene il terminale dopo aver letto il file: tipi, indici dopo gli spostamenti, sistemi.
Codice di uscita: 0 mostrato, 2 non è un file di calibrazione, illeggibile o errore d&apos;uso.</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>JSON per script invece di una tabella.</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>Confronta due file di calibrazione record per record, come li legge il terminale (per esempio la copia del terminale con quella del controllore, o prima con dopo una calibrazione): quali posizionatori differiscono, in quali campi e di quanto ogni sistema si è spostato (mm) e ruotato (gradi). I commenti con la data e l&apos;impaginazione non vengono confrontati.
Codice di uscita: 0 stessa calibrazione, 1 differenze, 2 uno dei file non è un file di calibrazione o è illeggibile, o errore d&apos;uso.</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>Trova ogni dichiarazione di wobj_dyn0 in un GLOBAL.var, decodifica il suo valore iniziale e ne stampa sistema utente, sistema oggetto, flag e nome base; segnala ciò su cui il controllore si bloccherebbe.
Codice di uscita: 0 nessun problema, 1 rilievi, 2 non è un file di variabili globali, illeggibile o errore d&apos;uso.</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>Scrive una pagina HTML autonoma: per ogni posizionatore in uso un disegno dei suoi sistemi visti dall&apos;alto e di lato, e la tabella dei suoi valori; con --before la calibrazione precedente viene disegnata sbiadita e le modifiche elencate. I rilievi del controllo aprono la pagina.
Codice di uscita: 0 scritta per un file senza problemi, 1 scritta con rilievi, 2 non è un file di calibrazione, illeggibile, non scritta o errore d&apos;uso.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>La pagina da scrivere.</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>Il titolo della pagina.</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>Il file di calibrazione precedente, da confrontare.</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report richiede la pagina da scrivere: -o FILE</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1: il report sovrascriverebbe un file che legge</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>Calibrazione del posizionatore</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>impossibile scrivere il report: %1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Report scritto in %1</translation>
    </message>
    <message>
        <source>Looks inside the positioner calibration file and the controller&apos;s GLOBAL.var without changing them.

Commands:
  check FILE       validate a calibration file
  show FILE        the ten records as the pendant holds them (--json for scripts)
  diff A B         which positioners differ, and by how much
  globalvar FILE   the wobj_dyn0 declarations of a GLOBAL.var
  report FILE -o report.html   a visual report of the calibration

Run positioner-tool COMMAND --help for a command&apos;s options.
</source>
        <translation>Esamina il file di calibrazione dei posizionatori e il GLOBAL.var del controllore senza modificarli.

Comandi:
  check FILE       verifica un file di calibrazione
  show FILE        i dieci record come li tiene il terminale (--json per script)
  diff A B         quali posizionatori differiscono e di quanto
  globalvar FILE   le dichiarazioni di wobj_dyn0 di un GLOBAL.var
  report FILE -o report.html   un report visivo della calibrazione

Eseguire positioner-tool COMANDO --help per le opzioni di un comando.
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>Il comando da eseguire.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>Vedere: positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 spostato di %2 mm, ruotato di %3 gradi (%4)</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>voce solo nel primo file</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>voce solo nel secondo file</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>Nessuna differenza.
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>Posizionatore %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>Posizionatori che differiscono: %1 su %2.
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>non è un file di variabili globali: manca l&apos;elemento radice &lt;Xpl-source&gt;</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 dichiarato fuori da &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: il terminale non lo tocca</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; non è esattamente wobj_dyn0: il terminale non lo tocca</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>nessuna dichiarazione di wobj_dyn0: il terminale non può impostare l&apos;oggetto di lavoro dinamico</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 è dichiarato di nuovo (la prima volta alla riga %1)</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>manca &lt;InitValue&gt;: il terminale non ha dove scrivere l&apos;oggetto di lavoro</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>&lt;InitValue&gt; vuoto: il terminale lo lascia vuoto</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; non è JSON: %1 al carattere %2</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; non è un oggetto JSON</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una stringa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; manca o non è %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un oggetto</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>membro inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1:%2: wobj_dyn0
</source>
        <translation>%1:%2: wobj_dyn0
</translation>
    </message>
    <message>
        <source>  initial value not usable, see below
</source>
        <translation>  valore iniziale non utilizzabile, vedere sotto
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  sistema utente   %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  sistema oggetto  %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  mobile %1, sul robot %2, nome base &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>asse 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>asse 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>sistema utente</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>Sistemi del posizionatore %1</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x continua, y tratteggiata, z punteggiata; sbiadito: prima</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x continua, y tratteggiata, z punteggiata</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>asse %1: non in uso</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>File di calibrazione %1, numero di assi del robot %2.</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>Confrontato con la calibrazione precedente %1.</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>Il file supera il controllo.</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>Il controllo trova %1 problema/i:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>Posizionatore %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>Non disegnato, i suoi valori sono fuori portata: %1.</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>Invariato rispetto alla calibrazione precedente.</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>Posizionatori non in uso: %1.</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>asse %1 non in uso (tipo %2, indice %3)</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>asse %1 tipo %2, indice %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>Numero di assi del robot %1; gli indici contano tra gli assi esterni a partire da 0.
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>Posizionatore %1: nessuna voce, il terminale mantiene ciò che aveva
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>Posizionatore %1 (riga %2): %3; %4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; valore %2 &quot;%3&quot; non è finito: letto come 0</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>non è stato possibile sostituire il file</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 spostato più di quanto un numero possa esprimere, ruotato di %2 gradi (%3)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>più grande di %1 MiB</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>le voci da %1 a %2 di &lt;FramePar&gt; si trovano oltre la decima e sono ignorate</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>e altri %1; positioner-tool check li elenca tutti</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>asse %1: tipo %2, mosso dall’asse esterno %3 (nel file: tipo %4, indice %5 = %6 assi del robot + %3)</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1: non disegnato, questo programma non ha caratteri con cui disegnare.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 vale %2, fuori dall’intervallo da %3 a %4</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>il percorso %1 contiene un carattere NUL</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file regolare</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 contiene un valore che non è un numero finito</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 non ha risposto entro %2 ms</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>il controllore è stato commutato via dal posizionatore %1 dopo ciascuna delle %2 richieste</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>il servizio di trasferimento non ha prelevato %1 dal controllore</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>il servizio di trasferimento non ha inviato %1 al controllore</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 non è XML ben formato alla riga %2 (posizione %3)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>impossibile sostituire %1</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 crescerebbe di più di %2 byte alla riga %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>la riga %1 di %2 contiene un CR che non termina alcuna riga</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 è codificato in UTF-16 o UTF-32</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>l’editor ha rifiutato la modalità di scrittura per %1</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>il programma aperto non dichiara alcuna variabile %1</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 è una costante del programma aperto</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>l’editor ha rifiutato di rendere %1 l’oggetto di lavoro attivo</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>l’editor ha rifiutato di registrare %1 come sistema di riferimento dinamico</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>il punto %1 non ha superato il controllo di plausibilità (risultato %2)</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 è di %2 byte, più dei %3 byte consentiti</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>la memoria non era sufficiente</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>Impossibile scrivere GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>Impossibile inviare GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>Impossibile ottenere GLOBAL.var.</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>Calibrazione del posizionatore</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>Cella simulata</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cella</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>Cella standard</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>Posizionatore inclinato</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>Asse 1 del posizionatore</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>Asse 2 del posizionatore</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>Cosa tocca l&apos;utensile</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>Segno sulla tavola</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Tocca</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>Dispersione del tocco (mm)</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Asse 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Asse 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema utente</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1: %2 mm e %3° dal sistema reale</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>sbiaditi: i sistemi reali</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>Segno dell&apos;origine</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>Segno su x</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>Segno nel piano</translation>
    </message>
</context>
</TS>

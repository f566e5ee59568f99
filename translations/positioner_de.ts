<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Teachen</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Koordinatensysteme</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>Sichern und nutzen</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Positionierer</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>Typ von Achse %1</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>nicht benutzt</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>Externe Achse, die Achse %1 antreibt</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>Verglichene externe Achsen</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>Achse 1: Punkte 1 bis 3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>Achse 2: Punkte 4 bis 6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>Benutzerkoordinatensystem: Punkte 7 bis 9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Achse 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>Achse 2 zur Basis</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Benutzerkoordinatensystem</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>Kalibrierdatei schreiben und senden</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>Von der Steuerung lesen lassen</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Bericht schreiben</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>wobj_dyn0 anmelden</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>Objektkoordinatensysteme sichern</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>Benutzerkoordinaten-Programm neu schreiben</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>Aktives Werkobjekt</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>Die Steuerung übernimmt Punkt %1.</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>Punkt %1 wird gelöscht.</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>Schlechte Gruppe</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>Der Berater beurteilt diese Gruppe als schlecht. Trotzdem daraus berechnen?</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>Trotzdem berechnen</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>Neu teachen</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>Die Steuerung berechnet das Benutzerkoordinatensystem (bis zu 16 s).</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>Die Steuerung berechnet Achse %1 (bis zu 2 s).</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>Das Koordinatensystem ist berechnet.</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>Die Steuerung lieferte kein Koordinatensystem.</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>Die Kalibrierdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>Die Kalibrierdatei wird gesendet.</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>Die Kalibrierdatei ist geschrieben und gesendet.</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>Die Kalibrierdatei konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>Die Steuerung ist aufgefordert, die Kalibrierdatei zu lesen.</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>Der Bericht ist nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>Die Steuerung wechselt zu Positionierer %1.</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 folgt Positionierer %1.</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>Der Editor hat wobj_dyn0 nicht angenommen.</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>Die Objektkoordinatensysteme sind gesichert.</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>Die Objektkoordinatensysteme konnten nicht gesichert werden.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>Das Benutzerkoordinaten-Programm wird neu geschrieben.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>Das Benutzerkoordinaten-Programm ist neu geschrieben und gesendet.</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>Das Benutzerkoordinaten-Programm konnte nicht neu geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 ist das aktive Werkobjekt.</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>%1 konnte nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 mm, a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 mm; externe Achsen %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>nicht geteacht</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>geteacht</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>Teachen Sie die drei Punkte; der Berater beurteilt sie dann.</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x durchgezogen, y gestrichelt, z gepunktet; Kreise: geteachte Punkte</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>Seit dem Lesen der Kalibrierdatei hat sich kein Positionierer geändert.</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>Seit dem Lesen der Kalibrierdatei geändert: Positionierer %1.</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>Draufsicht (x nach rechts, y nach oben)</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>Seitenansicht (x nach rechts, z nach oben)</translation>
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
        <translation>gut</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>grenzwertig</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>schlecht</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Benutzerkoordinatensystem</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>Positioniererachse %1</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>Es gibt keine Gruppe %1 von Kalibrierpunkten.</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1: Punkt %2 ist noch nicht geteacht.</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1: Die Punkte enthalten Werte, die keine von einem Roboter erreichbaren Positionen sind.</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1: Punkte fallen zusammen oder liegen alle auf einer Geraden; die Berechnung würde fehlschlagen.</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1: Der kleinste Winkel des Dreiecks beträgt %2 Grad, seine kürzeste Seite %3 mm, und der dritte Punkt liegt %4 mm von der Geraden durch die ersten beiden. Bei Berührungen mit %5 mm Abweichung wird das Koordinatensystem um etwa %6 Grad (bis zu %7) verdreht und sein Ursprung um %8 mm versetzt sein.</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1: Die Punkte überspannen %2 Grad eines Kreises mit Radius %3 mm. Bei Berührungen mit %4 mm Abweichung wird die Achse um etwa %5 mm (bis zu %6 mm) versetzt und um etwa %7 Grad (bis zu %8) gekippt sein.</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 Urteil: %2.</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>Die Gruppen sind 0 (Positioniererachse 1), 1 (Positioniererachse 2) und 2 (Benutzerkoordinatensystem).</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>Teachen Sie Punkt %1.</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>Teachen Sie die Punkte dieser Gruppe erneut.</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>Teachen Sie drei Markierungen, die ein Dreieck bilden: Der dritte Punkt darf nicht auf der Geraden durch die ersten beiden liegen.</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>Drehen Sie den Positionierer zwischen den Punkten, sodass sich die Markierung auf einem Kreis bewegt.</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>Verteilen Sie die Punkte mindestens %1 Grad auseinander: Drehen Sie Positioniererachse %2 zwischen ihnen weiter.</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>Berühren Sie eine Markierung weiter von der Achse entfernt: Ihre Richtung wird umso genauer bestimmt, je größer der Kreis ist.</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>Der dritte Punkt liegt fast auf der Geraden durch die ersten beiden: Setzen Sie ihn weiter von dieser Geraden weg.</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>Setzen Sie den zweiten Punkt entlang x weiter vom ersten entfernt.</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>Teachen Sie weiter auseinanderliegende Markierungen: Die Orientierung wird umso genauer bestimmt, je größer das Dreieck ist.</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>Die Anordnung ist in Ordnung; berühren Sie die Punkte sorgfältiger.</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>Punkt %1 wurde übernommen.</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>Es gibt keinen Kalibrierpunkt %1; die Punkte sind von 1 bis 9 nummeriert.</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>Punkt %1 wurde nicht übernommen: Es ist kein Positionierer ausgewählt.</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>Punkt %1 ist %2 von Punkt %3 entfernt (Position und Orientierung summiert); mindestens %4 ist nötig.</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>Punkt %1 lag zu nah an einem anderen Punkt seiner Gruppe.</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>Die Zusatzachsen haben sich zwischen Punkt %3 und Punkt %1 insgesamt um %2 bewegt; mindestens %4 ist nötig.</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>Der Positionierer hat sich vor Punkt %1 nicht weit genug gedreht.</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>Punkt %1 wurde abgelehnt: Es werden keine Zusatzachsen verglichen, daher ist die Drehung des Positionierers nicht erkennbar.</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>Zusatzachse %2, die Positioniererachse %3 antreibt, hat sich zwischen Punkt %5 und Punkt %1 um %4 bewegt; mindestens %6 ist nötig.</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>Zusatzachse %2 hat sich vor Punkt %1 nicht weit genug gedreht.</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>Positioniererachse %2 ist Zusatzachse %3 zugeordnet, es werden aber nur %4 Zusatzachsen verglichen, daher kann Punkt %1 ihre Drehung nicht zeigen.</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>Die übrigen Zusatzachsen haben sich zwischen Punkt %3 und Punkt %1 insgesamt um %2 bewegt; höchstens %4 ist erlaubt.</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>Andere Zusatzachsen haben sich vor Punkt %1 gedreht.</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>Der Positionierer hat sich zwischen Punkt %3 und Punkt %1 um %2 bewegt; Punkte des Benutzerkoordinatensystems verlangen ihn in Ruhe (weniger als %4).</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>Der Positionierer hat sich vor Punkt %1 bewegt.</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>Punkt %1: %2 ist kein Ergebnis des Teachens dieses Punkts.</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>Teachen Sie einen der Punkte 1 bis 9.</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>Wählen Sie zuerst einen Positionierer aus.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>Drehen Sie Positioniererachse %1 weiter, bevor Sie die Markierung erneut berühren.</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>Berühren Sie eine Markierung, die weiter von den anderen Punkten entfernt ist.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>Drehen Sie Positioniererachse %1 zwischen den Punkten weiter.</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>Legen Sie die Anzahl der Zusatzachsen fest, bevor Sie die Achspunkte teachen.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>Drehen Sie Positioniererachse %1 selbst und prüfen Sie, ob Zusatzachse %2 diejenige ist, die sie antreibt.</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>Korrigieren Sie die Zusatzachse von Positioniererachse %1 oder die Anzahl der Zusatzachsen.</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>Lassen Sie die anderen Achsen dort, wo sie bei Punkt %1 standen, und drehen Sie nur Positioniererachse %2.</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>Drehen Sie nur Positioniererachse %1.</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>Drehen Sie den Positionierer dorthin zurück, wo er bei Punkt %1 stand.</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>Halten Sie den Positionierer in Ruhe, während Sie das Benutzerkoordinatensystem teachen.</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>Punkt %1 wurde abgelehnt: die Position von Punkt %1 oder von Punkt %2 ist keine gültige Zahl.</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>Zeile %1: kein wohlgeformtes XML: %2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>keine Kalibrierdatei: das Wurzelelement ist &lt;%1&gt;, nicht &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>keine Kalibrierdatei: kein Wurzelelement</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>Eintrag %1 von &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>%1 Einträge statt %2: Positionierer ab %3 behalten, was das Handbediengerät vor dem Lesen hatte</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 liegt hinter dem zehnten und wird ignoriert</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 ist kein Element, wird aber als Datensatz von Positionierer %2 gelesen, mit beiden Achsen in Gebrauch</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>eine Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; wird als Datensatz von Positionierer %2 gelesen</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>ein &lt;Positioner&gt; ohne id wird als Positionierer %1 gelesen</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>&lt;Positioner&gt; mit id &quot;%1&quot; ist %2 und wird als Positionierer %3 gelesen</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>unerwartetes Attribut &quot;%1&quot; an &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>unerwartet: %1 in &lt;%2&gt;</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>unerwartetes Element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>zweites &lt;%1&gt;: nur das erste wird gelesen</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; und &lt;Axes2Index&gt; sind beide %1: zwei Achsen auf einer Zusatzachse</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; ist %1, aber die Typen setzen %2 Achsen in Gebrauch</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>kein &lt;%1&gt;: die Achse wird als in Gebrauch gelesen</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>kein &lt;%1&gt;: als Zusatzachse 0 gelesen</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>kein &lt;%1&gt;</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>kein &lt;%1&gt;: sein x wird als 0 gelesen, seine übrigen Werte bleiben wie sie waren</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; enthält mehr als einen Text</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; ist keine Dezimalzahl: als %3 gelesen</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 ist kleiner als -1: als nicht benutzte Achse gelesen</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 liegt nicht hinter den %3 Achsen des Roboters: als Zusatzachse 0 gelesen</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; ist %2 für eine nicht benutzte Achse, was als 0 geschrieben wird</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; enthält %2 Werte statt %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; Wert %2 &quot;%3&quot; ist keine Zahl: als 0 gelesen</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; Wert %2 &quot;%3&quot; ist nicht mit vier Nachkommastellen geschrieben</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Exit-Status: 0 sauber, 1 Befunde, 2 keine Kalibrierdatei, nicht lesbar oder Aufruffehler.</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>Der Befehl.</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>Die eigene Achsanzahl des Roboters, die die Achsindizes verschiebt (Standard 6).</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>Die zu lesende Datei.</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 erwartet %2 Dateiargument(e)</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count erwartet eine Zahl von 0 bis 64</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>Siehe: positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>Die erste Kalibrierdatei.</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>Die zweite Kalibrierdatei.</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>Prüft eine Kalibrierdatei wie ein sorgfältiger Leser: zehn &lt;Positioner&gt;-Einträge mit den ids 1 bis 10 in Reihenfolge, die neun Wertelemente, &lt;EnableAxesNum&gt; passend zu den Typen, Koordinatensysteme aus sechs Zahlen mit vier Nachkommastellen, nichts Unerwartetes. Jeder Befund nennt seine Zeile und sagt, was das positionsweise Lesen des Handbediengeräts daraus macht.
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: keine Befunde</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1: %2 Befund(e)</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Zeigt die zehn Datensätze so, wie das Handbediengerät sie nach dem Lesen der Datei hält: Typen, Indizes nach den Versätzen, Koordinatensysteme.
Exit-Status: 0 angezeigt, 2 keine Kalibrierdatei, nicht lesbar oder Aufruffehler.</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>JSON für Skripte statt einer Tabelle.</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>Vergleicht zwei Kalibrierdateien Datensatz für Datensatz, so wie das Handbediengerät sie liest (zum Beispiel die Kopie des Handbediengeräts mit der der Steuerung, oder vor mit nach einer Kalibrierung): welche Positionierer sich unterscheiden, in welchen Feldern, und wie weit sich jedes Koordinatensystem verschoben (mm) und gedreht (Grad) hat. Die Datumskommentare und das Layout werden nicht verglichen.
Exit-Status: 0 dieselbe Kalibrierung, 1 Unterschiede, 2 eine der Dateien ist keine Kalibrierdatei oder nicht lesbar, oder Aufruffehler.</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>Findet jede Deklaration von wobj_dyn0 in einer GLOBAL.var, dekodiert ihren Anfangswert und gibt ihr Benutzerkoordinatensystem, Objektkoordinatensystem, ihre Flags und ihren Basisnamen aus; meldet, woran die Steuerung scheitern würde.
Exit-Status: 0 sauber, 1 Befunde, 2 keine Datei globaler Variablen, nicht lesbar oder Aufruffehler.</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>Schreibt eine eigenständige HTML-Seite: pro benutztem Positionierer eine Zeichnung seiner Koordinatensysteme von oben und von der Seite sowie die Tabelle seiner Werte; mit --before wird die vorige Kalibrierung blass gezeichnet und die Änderungen werden aufgelistet. Die Befunde der Prüfung stehen oben auf der Seite.
Exit-Status: 0 für eine saubere Datei geschrieben, 1 mit Befunden geschrieben, 2 keine Kalibrierdatei, nicht lesbar, nicht geschrieben oder Aufruffehler.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>Die zu schreibende Seite.</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>Der Titel der Seite.</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>Die vorige Kalibrierdatei, zum Vergleich.</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report braucht die zu schreibende Seite: -o DATEI</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1: der Bericht würde eine Datei überschreiben, die er liest</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>Positionierer-Kalibrierung</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>Bericht kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Bericht geschrieben nach %1</translation>
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
        <translation>Sieht in die Kalibrierdatei der Positionierer und die GLOBAL.var der Steuerung, ohne sie zu ändern.

Befehle:
  check FILE       eine Kalibrierdatei prüfen
  show FILE        die zehn Datensätze, wie das Handbediengerät sie hält (--json für Skripte)
  diff A B         welche Positionierer sich unterscheiden und wie stark
  globalvar FILE   die Deklarationen von wobj_dyn0 in einer GLOBAL.var
  report FILE -o report.html   ein grafischer Bericht der Kalibrierung

positioner-tool BEFEHL --help zeigt die Optionen eines Befehls.
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>Der auszuführende Befehl.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>Siehe: positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 um %2 mm verschoben, um %3 Grad gedreht (%4)</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>Eintrag nur in der ersten Datei</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>Eintrag nur in der zweiten Datei</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>Keine Unterschiede.
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>Positionierer %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>Unterschiedliche Positionierer: %1 von %2.
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>keine Datei globaler Variablen: kein Wurzelelement &lt;Xpl-source&gt;</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 außerhalb von &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt; deklariert: das Handbediengerät lässt es unberührt</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; ist nicht genau wobj_dyn0: das Handbediengerät lässt es unberührt</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>keine Deklaration von wobj_dyn0: das Handbediengerät kann das dynamische Werkobjekt nicht setzen</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 ist erneut deklariert (zuerst in Zeile %1)</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>kein &lt;InitValue&gt;: das Handbediengerät kann das Werkobjekt nirgends schreiben</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>leerer &lt;InitValue&gt;: das Handbediengerät lässt ihn leer</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; ist kein JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; fehlt oder ist nicht %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>unerwartetes Element &quot;%1&quot;</translation>
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
        <translation>  Anfangswert nicht verwendbar, siehe unten
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  Benutzer-KS   %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  Objekt-KS     %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  beweglich %1, auf Roboter %2, Basisname &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>Achse 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>Benutzerkoordinatensystem</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>Koordinatensysteme von Positionierer %1</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x durchgezogen, y gestrichelt, z gepunktet; blass: vorher</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x durchgezogen, y gestrichelt, z gepunktet</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>Achse %1: nicht in Gebrauch</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>Kalibrierdatei %1, Achsanzahl des Roboters %2.</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>Verglichen mit der vorigen Kalibrierung %1.</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>Die Datei besteht die Prüfung.</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>Die Prüfung findet %1 Problem(e):</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>Positionierer %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>Nicht gezeichnet, seine Werte sind außer Reichweite: %1.</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>Unverändert seit der vorigen Kalibrierung.</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>Nicht benutzte Positionierer: %1.</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>Achse %1 nicht in Gebrauch (Typ %2, Index %3)</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>Achse %1 Typ %2, Index %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>Achsanzahl des Roboters %1; Indizes zählen unter den Zusatzachsen ab 0.
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>Positionierer %1: kein Eintrag, das Handbediengerät behält, was es hatte
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>Positionierer %1 (Zeile %2): %3; %4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; Wert %2 &quot;%3&quot; ist nicht endlich: als 0 gelesen</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>die Datei konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 weiter verschoben, als eine Zahl angeben kann, um %2 Grad gedreht (%3)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>Einträge %1 bis %2 von &lt;FramePar&gt; liegen hinter dem zehnten und werden ignoriert</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>und %1 weitere; positioner-tool check listet sie alle auf</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>Achse %1: Typ %2, angetrieben von Zusatzachse %3 (in der Datei: Typ %4, Index %5 = %6 Roboterachsen + %3)</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1: nicht gezeichnet, diesem Programm fehlen die Schriften zum Zeichnen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 ist %2, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>der Pfad %1 enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 enthält einen Wert, der keine endliche Zahl ist</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 hat nicht innerhalb von %2 ms geantwortet</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>die Steuerung wurde nach jeder der %2 Anforderungen von Positionierer %1 weggeschaltet</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>der Übertragungsdienst hat %1 nicht von der Steuerung geholt</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>der Übertragungsdienst hat %1 nicht an die Steuerung gesendet</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 ist in Zeile %2 (Offset %3) kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 würde in Zeile %3 um mehr als %2 Bytes wachsen</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>Zeile %1 von %2 enthält ein CR, das keine Zeile beendet</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 ist in UTF-16 oder UTF-32 kodiert</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>der Editor hat den Schreibmodus für %1 verweigert</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>das geöffnete Programm deklariert keine Variable %1</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 ist eine Konstante des geöffneten Programms</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>der Editor hat sich geweigert, %1 zum aktiven Werkobjekt zu machen</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>der Editor hat sich geweigert, %1 als dynamisches Bezugssystem zu registrieren</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>Punkt %1 hat die Plausibilitätsprüfung nicht bestanden (Ergebnis %2)</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 ist %2 Bytes groß, mehr als die erlaubten %3 Bytes</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>es war nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht geholt werden.</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>Positionierer-Kalibrierung</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>Simulierte Zelle</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>Standardzelle</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>Geneigter Positionierer</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>Positioniererachse 1</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>Positioniererachse 2</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>Was das Werkzeug antastet</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>Marke auf dem Tisch</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Antasten</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>Antaststreuung (mm)</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Achse 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Benutzerkoordinatensystem</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1: %2 mm und %3° vom wahren Koordinatensystem</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>blass: die wahren Koordinatensysteme</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>Ursprungsmarke</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>Marke auf x</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>Marke in der Ebene</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>Enregistrer et utiliser</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Positionneur</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>Type de l&apos;axe %1</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>non utilisé</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>Axe externe qui entraîne l&apos;axe %1</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>Axes externes comparés</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>Axe 1 : points 1 à 3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>Axe 2 : points 4 à 6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>Repère utilisateur : points 7 à 9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Axe 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Axe 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>Axe 2 par rapport à la base</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Repère utilisateur</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>Écrire et envoyer le fichier d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>Le faire lire par le contrôleur</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Écrire le rapport</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>Enregistrer wobj_dyn0</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>Enregistrer les repères objet</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>Réécrire le programme des repères utilisateur</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>Objet de travail actif</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>Le contrôleur prend le point %1.</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>Le point %1 est effacé.</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>Groupe médiocre</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>Le conseiller juge ce groupe médiocre. Calculer quand même ?</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>Calculer quand même</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>Apprendre à nouveau</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>Le contrôleur calcule le repère utilisateur (jusqu’à 16 s).</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>Le contrôleur calcule l&apos;axe %1 (jusqu’à 2 s).</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>Le repère est calculé.</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>Le contrôleur n&apos;a fourni aucun repère.</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>Le fichier d&apos;étalonnage n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>Le fichier d&apos;étalonnage est envoyé.</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>Le fichier d&apos;étalonnage est écrit et envoyé.</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>Le fichier d&apos;étalonnage n&apos;a pas pu être envoyé.</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>Le contrôleur est invité à lire le fichier d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>Le rapport est écrit dans %1.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Le rapport n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>Le contrôleur passe au positionneur %1.</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 suit le positionneur %1.</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>L&apos;éditeur n&apos;a pas accepté wobj_dyn0.</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>Les repères objet sont enregistrés.</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>Les repères objet n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>Le programme des repères utilisateur est réécrit.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>Le programme des repères utilisateur est réécrit et envoyé.</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>Le programme des repères utilisateur n&apos;a pas pu être réécrit.</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 est l’objet de travail actif.</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>%1 n&apos;a pas pu être activé.</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 mm, a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 mm ; axes externes %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>non appris</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>appris</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>Apprenez les trois points ; le conseiller les juge ensuite.</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x plein, y tirets, z pointillé ; cercles : points appris</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>Aucun positionneur n&apos;a changé depuis la lecture du fichier d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>Modifié depuis la lecture du fichier d&apos;étalonnage : positionneur %1.</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>Vue de dessus (x vers la droite, y vers le haut)</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>Vue de côté (x vers la droite, z vers le haut)</translation>
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
        <translation>bon</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>mauvais</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incomplet</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>illimité</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Repère utilisateur</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>Axe %1 du positionneur</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>Il n&apos;existe pas de groupe %1 de points de calibrage.</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1 : le point %2 n&apos;est pas encore appris.</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1 : les points contiennent des valeurs qui ne sont pas des positions accessibles à un robot.</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1 : des points coïncident ou sont tous alignés ; le calcul échouerait.</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1 : le plus petit angle du triangle mesure %2 degrés, son plus petit côté %3 mm, et le troisième point est à %4 mm de la droite passant par les deux premiers. Avec des touchers décalés de %5 mm, le repère sera tourné d&apos;environ %6 degrés (jusqu&apos;à %7) et son origine décalée de %8 mm.</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1 : les points couvrent %2 degrés d&apos;un cercle de rayon %3 mm. Avec des touchers décalés de %4 mm, l&apos;axe sera décalé d&apos;environ %5 mm (jusqu&apos;à %6 mm) et incliné d&apos;environ %7 degrés (jusqu&apos;à %8).</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 Verdict : %2.</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>Les groupes sont 0 (axe 1 du positionneur), 1 (axe 2 du positionneur) et 2 (repère utilisateur).</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>Apprenez le point %1.</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>Apprenez à nouveau les points de ce groupe.</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>Apprenez trois marques formant un triangle : le troisième point ne doit pas se trouver sur la droite passant par les deux premiers.</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>Tournez le positionneur entre les points pour que la marque se déplace sur un cercle.</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>Écartez les points d&apos;au moins %1 degrés : tournez davantage l&apos;axe %2 du positionneur entre eux.</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>Touchez une marque plus éloignée de l&apos;axe : sa direction est d&apos;autant mieux déterminée que le cercle est grand.</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>Le troisième point est presque sur la droite passant par les deux premiers : éloignez-le de cette droite.</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>Placez le deuxième point plus loin du premier le long de x.</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>Apprenez des marques plus éloignées : l&apos;orientation est d&apos;autant mieux déterminée que le triangle est grand.</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>La disposition est correcte ; touchez les points avec plus de soin.</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>Le point %1 a été pris.</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>Il n&apos;existe pas de point de calibrage %1 ; les points sont numérotés de 1 à 9.</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>Le point %1 n&apos;a pas été pris : aucun positionneur n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>Le point %1 est à %2 du point %3 (position et orientation additionnées) ; il faut au moins %4.</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>Le point %1 était trop proche d&apos;un autre point de son groupe.</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>Les axes externes se sont déplacés de %2 au total entre le point %3 et le point %1 ; il faut au moins %4.</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>Le positionneur n&apos;a pas assez tourné avant le point %1.</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>Le point %1 a été refusé : aucun axe externe n&apos;est comparé, la rotation du positionneur ne peut donc pas être vue.</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>L&apos;axe externe %2, qui entraîne l&apos;axe %3 du positionneur, s&apos;est déplacé de %4 entre le point %5 et le point %1 ; il faut au moins %6.</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>L&apos;axe externe %2 n&apos;a pas assez tourné avant le point %1.</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>L&apos;axe %2 du positionneur est affecté à l&apos;axe externe %3, mais seuls %4 axes externes sont comparés : le point %1 ne peut donc pas montrer sa rotation.</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>Les autres axes externes se sont déplacés de %2 au total entre le point %3 et le point %1 ; au plus %4 est admis.</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>D&apos;autres axes externes ont tourné avant le point %1.</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>Le positionneur s&apos;est déplacé de %2 entre le point %3 et le point %1 ; les points du repère utilisateur exigent qu&apos;il reste immobile (moins de %4).</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>Le positionneur a bougé avant le point %1.</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>Point %1 : %2 n&apos;est pas un résultat de l&apos;apprentissage de ce point.</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>Apprenez l&apos;un des points 1 à 9.</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>Sélectionnez d&apos;abord un positionneur.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>Tournez davantage l&apos;axe %1 du positionneur avant de toucher à nouveau la marque.</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>Touchez une marque plus éloignée des autres points.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>Tournez davantage l&apos;axe %1 du positionneur entre les points.</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>Réglez le nombre d&apos;axes externes avant d&apos;apprendre les points d&apos;axe.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>Tournez l&apos;axe %1 du positionneur lui-même, et vérifiez que l&apos;axe externe %2 est bien celui qui l&apos;entraîne.</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>Corrigez l&apos;axe externe de l&apos;axe %1 du positionneur ou le nombre d&apos;axes externes.</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>Laissez les autres axes là où ils étaient au point %1 et tournez uniquement l&apos;axe %2 du positionneur.</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>Tournez uniquement l&apos;axe %1 du positionneur.</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>Ramenez le positionneur là où il se trouvait au point %1.</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>Gardez le positionneur immobile pendant l&apos;apprentissage du repère utilisateur.</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>Le point %1 a été refusé : la position du point %1 ou du point %2 n&apos;est pas un nombre valide.</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>ligne %1 : XML mal formé : %2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>pas un fichier de calibrage : l&apos;élément racine est &lt;%1&gt;, pas &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>pas un fichier de calibrage : aucun élément racine</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>entrée %1 de &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>%1 entrées au lieu de %2 : les positionneurs à partir de %3 gardent ce que le pupitre avait avant la lecture</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 se trouve après la dixième et est ignorée</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 n&apos;est pas un élément mais est lu comme l&apos;enregistrement du positionneur %2, avec les deux axes utilisés</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>une instruction de traitement</translation>
    </message>
    <message>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; est lu comme l&apos;enregistrement du positionneur %2</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>un &lt;Positioner&gt; sans id est lu comme le positionneur %1</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>&lt;Positioner&gt; avec l&apos;id &quot;%1&quot; est %2 et est lu comme le positionneur %3</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>attribut inattendu &quot;%1&quot; sur &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>%1 inattendu dans &lt;%2&gt;</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>instruction de traitement</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>élément inattendu &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>second &lt;%1&gt; : seul le premier est lu</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; et &lt;Axes2Index&gt; valent tous deux %1 : deux axes sur un seul axe externe</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; vaut %1 mais les types mettent %2 axes en service</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>pas de &lt;%1&gt; : l&apos;axe est lu comme utilisé</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>pas de &lt;%1&gt; : lu comme l&apos;axe externe 0</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>pas de &lt;%1&gt;</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>pas de &lt;%1&gt; : son x est lu comme 0 et ses autres valeurs restent inchangées</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; contient plus d&apos;un texte</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; n&apos;est pas un entier décimal : lu comme %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 est inférieur à -1 : lu comme un axe non utilisé</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 ne se situe pas après les %3 axes du robot : lu comme l&apos;axe externe 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; vaut %2 pour un axe non utilisé, qui est écrit comme 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; contient %2 valeurs au lieu de %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; valeur %2 &quot;%3&quot; n&apos;est pas un nombre : lue comme 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; valeur %2 &quot;%3&quot; n&apos;est pas écrite avec quatre décimales</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Code de sortie : 0 sans problème, 1 constats, 2 pas un fichier de calibrage, illisible, ou erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>La commande.</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>Le nombre d&apos;axes propres du robot, qui décale les indices d&apos;axe (6 par défaut).</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>Le fichier à lire.</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 attend %2 fichier(s) en argument</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count attend un nombre de 0 à 64</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>Voir : positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>Le premier fichier de calibrage.</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>Le second fichier de calibrage.</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>Vérifie un fichier de calibrage comme le ferait un lecteur attentif : dix entrées &lt;Positioner&gt; avec les ids 1 à 10 dans l&apos;ordre, les neuf éléments de valeur, &lt;EnableAxesNum&gt; conforme aux types, des repères de six nombres à quatre décimales, rien d&apos;inattendu. Chaque constat indique sa ligne et ce qu&apos;en fait la lecture par position du pupitre.
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1 : aucun constat</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1 : %2 constat(s)</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Affiche les dix enregistrements tels que le pupitre les détient après la lecture du fichier : types, indices après décalage, repères.
Code de sortie : 0 affiché, 2 pas un fichier de calibrage, illisible, ou erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>JSON pour les scripts au lieu d&apos;un tableau.</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>Compare deux fichiers de calibrage enregistrement par enregistrement, tels que le pupitre les lit (par exemple la copie du pupitre avec celle du contrôleur, ou avant et après un calibrage) : quels positionneurs diffèrent, dans quels champs, et de combien chaque repère s&apos;est déplacé (mm) et a tourné (degrés). Les commentaires de date et la mise en forme ne sont pas comparés.
Code de sortie : 0 même calibrage, 1 différences, 2 l&apos;un des fichiers n&apos;est pas un fichier de calibrage ou est illisible, ou erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>Trouve chaque déclaration de wobj_dyn0 dans un GLOBAL.var, décode sa valeur initiale et affiche son repère utilisateur, son repère objet, ses indicateurs et son nom de base ; signale ce qui ferait échouer le contrôleur.
Code de sortie : 0 sans problème, 1 constats, 2 pas un fichier de variables globales, illisible, ou erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>Écrit une page HTML autonome : pour chaque positionneur utilisé, un dessin de ses repères vus de dessus et de côté, et le tableau de ses valeurs ; avec --before, le calibrage précédent est dessiné en estompé et les changements sont listés. Les constats de la vérification figurent en tête de page.
Code de sortie : 0 écrite pour un fichier sans problème, 1 écrite avec des constats, 2 pas un fichier de calibrage, illisible, non écrite, ou erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>La page à écrire.</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>Le titre de la page.</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>Le fichier de calibrage précédent, pour comparaison.</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report a besoin de la page à écrire : -o FICHIER</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1 : le rapport écraserait un fichier qu&apos;il lit</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>Calibrage du positionneur</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>impossible d&apos;écrire le rapport : %1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Rapport écrit dans %1</translation>
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
        <translation>Examine le fichier de calibrage des positionneurs et le GLOBAL.var du contrôleur sans les modifier.

Commandes :
  check FILE       valider un fichier de calibrage
  show FILE        les dix enregistrements tels que le pupitre les détient (--json pour les scripts)
  diff A B         quels positionneurs diffèrent, et de combien
  globalvar FILE   les déclarations de wobj_dyn0 d&apos;un GLOBAL.var
  report FILE -o report.html   un rapport visuel du calibrage

Lancez positioner-tool COMMANDE --help pour les options d&apos;une commande.
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>La commande à exécuter.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>Voir : positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 déplacé de %2 mm, tourné de %3 deg (%4)</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>entrée uniquement dans le premier fichier</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>entrée uniquement dans le second fichier</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>Aucune différence.
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>Positionneur %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>Positionneurs qui diffèrent : %1 sur %2.
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>pas un fichier de variables globales : pas d&apos;élément racine &lt;Xpl-source&gt;</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 déclaré hors de &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt; : le pupitre n&apos;y touche pas</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; n&apos;est pas exactement wobj_dyn0 : le pupitre n&apos;y touche pas</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>aucune déclaration de wobj_dyn0 : le pupitre ne peut pas définir l&apos;objet de travail dynamique</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 est déclaré de nouveau (d&apos;abord à la ligne %1)</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>pas de &lt;InitValue&gt; : le pupitre n&apos;a nulle part où écrire l&apos;objet de travail</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>&lt;InitValue&gt; vide : le pupitre le laisse vide</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; n&apos;est pas du JSON : %1 au caractère %2</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; est absent ou n&apos;est pas %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>membre inattendu &quot;%1&quot;</translation>
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
        <translation>  valeur initiale inutilisable, voir ci-dessous
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  repère utilisateur  %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  repère objet        %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  mobile %1, sur le robot %2, nom de base &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>axe 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>axe 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>repère utilisateur</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>Repères du positionneur %1</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x plein, y tirets, z pointillés ; estompé : avant</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x plein, y tirets, z pointillés</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>axe %1 : non utilisé</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>Fichier de calibrage %1, nombre d&apos;axes du robot %2.</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>Comparé avec le calibrage précédent %1.</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>Le fichier passe la vérification.</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>La vérification trouve %1 problème(s) :</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>Positionneur %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>Non dessiné, ses valeurs sont hors de portée : %1.</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>Inchangé depuis le calibrage précédent.</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>Positionneurs non utilisés : %1.</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>axe %1 non utilisé (type %2, index %3)</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>axe %1 type %2, index %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>Nombre d&apos;axes du robot %1 ; les indices comptent parmi les axes externes à partir de 0.
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>Positionneur %1 : aucune entrée, le pupitre garde ce qu&apos;il avait
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>Positionneur %1 (ligne %2) : %3 ; %4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; valeur %2 &quot;%3&quot; n&apos;est pas finie : lue comme 0</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>le fichier n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 déplacé plus loin qu&apos;aucun nombre ne peut le dire, tourné de %2 deg (%3)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>plus de %1 Mio</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>les entrées %1 à %2 de &lt;FramePar&gt; se trouvent après la dixième et sont ignorées</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>et %1 de plus ; positioner-tool check les liste toutes</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>axe %1 : type %2, entraîné par l’axe externe %3 (dans le fichier : type %4, index %5 = %6 axes du robot + %3)</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1 : non dessiné, ce programme n’a pas de polices pour dessiner.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 vaut %2, hors de l’intervalle %3 à %4</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>le chemin %1 contient un caractère NUL</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 contient une valeur qui n’est pas un nombre fini</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 n’a pas répondu en %2 ms</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>le contrôleur a été basculé hors du positionneur %1 après chacune des %2 demandes</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>le service de transfert n’a pas récupéré %1 depuis le contrôleur</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>le service de transfert n’a pas envoyé %1 au contrôleur</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 n’est pas un XML bien formé à la ligne %2 (position %3)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>impossible de remplacer %1</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 grandirait de plus de %2 octets à la ligne %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>la ligne %1 de %2 contient un CR qui ne termine aucune ligne</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 est codé en UTF-16 ou UTF-32</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>l’éditeur a refusé le mode écriture pour %1</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>le programme ouvert ne déclare aucune variable %1</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 est une constante du programme ouvert</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>l’éditeur a refusé de faire de %1 l’objet de travail actif</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>l’éditeur a refusé d’enregistrer %1 comme système de référence dynamique</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>le point %1 n’a pas passé le contrôle de plausibilité (résultat %2)</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 fait %2 octets, plus que les %3 octets permis</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>la mémoire était insuffisante</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>Impossible d’écrire GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>Impossible d’envoyer GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>Impossible de récupérer GLOBAL.var.</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>Étalonnage du positionneur</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>Cellule simulée</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>Cellule standard</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>Positionneur incliné</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>Axe 1 du positionneur</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>Axe 2 du positionneur</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>Ce que l&apos;outil touche</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>Repère sur la table</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Toucher</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>Dispersion du toucher (mm)</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Axe 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Axe 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Repère utilisateur</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1 : %2 mm et %3° du repère réel</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>estompés : les repères réels</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>Repère d&apos;origine</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>Repère sur x</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>Repère dans le plan</translation>
    </message>
</context>
</TS>

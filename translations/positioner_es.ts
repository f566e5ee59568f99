<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Enseñar</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Sistemas</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>Guardar y usar</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Posicionador</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>Tipo del eje %1</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>sin uso</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>Eje externo que mueve el eje %1</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>Ejes externos comparados</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>Eje 1: puntos 1 a 3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>Eje 2: puntos 4 a 6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>Sistema de usuario: puntos 7 a 9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punto %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Eje 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Eje 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>Eje 2 respecto a la base</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema de usuario</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>Escribir y enviar el archivo de calibración</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>Hacer que el controlador lo lea</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Escribir el informe</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>Registrar wobj_dyn0</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>Guardar los sistemas de objeto</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>Reescribir el programa de sistemas de usuario</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>Objeto de trabajo activo</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>El controlador toma el punto %1.</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>Se borra el punto %1.</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>Grupo deficiente</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>El asesor considera este grupo deficiente. ¿Calcular de todos modos?</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>Calcular de todos modos</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>Volver a enseñar</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>El controlador calcula el sistema de usuario (hasta 16 s).</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>El controlador calcula el eje %1 (hasta 2 s).</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>El sistema está calculado.</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>El controlador no dio ningún sistema.</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>No se pudo escribir el archivo de calibración.</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>Se envía el archivo de calibración.</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>El archivo de calibración está escrito y enviado.</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>No se pudo enviar el archivo de calibración.</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>Se ha pedido al controlador que lea el archivo de calibración.</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>El informe está escrito en %1.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>No se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>El controlador cambia al posicionador %1.</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 sigue al posicionador %1.</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>El editor no aceptó wobj_dyn0.</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>Los sistemas de objeto están guardados.</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>No se pudieron guardar los sistemas de objeto.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>Se reescribe el programa de sistemas de usuario.</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>El programa de sistemas de usuario está reescrito y enviado.</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>No se pudo reescribir el programa de sistemas de usuario.</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 es el objeto de trabajo activo.</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>No se pudo activar %1.</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 mm, a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 mm; ejes externos %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>no enseñado</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>enseñado</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>Enseñe los tres puntos; el asesor los juzgará después.</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x continua, y discontinua, z punteada; círculos: puntos enseñados</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>Ningún posicionador ha cambiado desde que se leyó el archivo de calibración.</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>Cambiado desde que se leyó el archivo de calibración: posicionador %1.</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>Vista superior (x a la derecha, y hacia arriba)</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>Vista lateral (x a la derecha, z hacia arriba)</translation>
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
        <translation>bueno</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>dudoso</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>malo</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incompleto</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>ilimitado</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema de usuario</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>Eje %1 del posicionador</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>No existe el grupo %1 de puntos de calibración.</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1: el punto %2 aún no está enseñado.</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1: los puntos contienen valores que no son posiciones alcanzables por un robot.</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1: hay puntos que coinciden o todos están en una recta; el cálculo fallaría.</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1: el ángulo más pequeño del triángulo es de %2 grados, su lado más corto de %3 mm, y el tercer punto está a %4 mm de la recta que pasa por los dos primeros. Con toques desviados %5 mm, el sistema quedará girado unos %6 grados (hasta %7) y su origen desplazado %8 mm.</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1: los puntos abarcan %2 grados de un círculo de radio %3 mm. Con toques desviados %4 mm, el eje quedará desplazado unos %5 mm (hasta %6 mm) e inclinado unos %7 grados (hasta %8).</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 Valoración: %2.</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>Los grupos son 0 (eje 1 del posicionador), 1 (eje 2 del posicionador) y 2 (sistema de usuario).</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>Enseñe el punto %1.</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>Enseñe de nuevo los puntos de este grupo.</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>Enseñe tres marcas que formen un triángulo: el tercer punto no debe estar en la recta que pasa por los dos primeros.</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>Gire el posicionador entre los puntos para que la marca se mueva sobre un círculo.</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>Separe los puntos al menos %1 grados: gire más el eje %2 del posicionador entre ellos.</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>Toque una marca más alejada del eje: su dirección se determina mejor cuanto mayor es el círculo.</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>El tercer punto está casi en la recta que pasa por los dos primeros: aléjelo de esa recta.</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>Coloque el segundo punto más lejos del primero a lo largo de x.</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>Enseñe marcas más separadas: la orientación se determina mejor cuanto mayor es el triángulo.</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>La disposición es correcta; toque los puntos con más cuidado.</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>Se ha tomado el punto %1.</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>No existe el punto de calibración %1; los puntos están numerados del 1 al 9.</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>No se ha tomado el punto %1: no hay ningún posicionador seleccionado.</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>El punto %1 está a %2 del punto %3 (posición y orientación sumadas); se necesita al menos %4.</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>El punto %1 estaba demasiado cerca de otro punto de su grupo.</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>Los ejes externos se movieron %2 en total entre el punto %3 y el punto %1; se necesita al menos %4.</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>El posicionador no giró lo suficiente antes del punto %1.</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>Se ha rechazado el punto %1: no se compara ningún eje externo, por lo que no se puede ver el giro del posicionador.</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>El eje externo %2, que mueve el eje %3 del posicionador, se movió %4 entre el punto %5 y el punto %1; se necesita al menos %6.</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>El eje externo %2 no giró lo suficiente antes del punto %1.</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>El eje %2 del posicionador está asignado al eje externo %3, pero solo se comparan %4 ejes externos, por lo que el punto %1 no puede mostrar su giro.</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>Los demás ejes externos se movieron %2 en total entre el punto %3 y el punto %1; se permite como máximo %4.</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>Otros ejes externos giraron antes del punto %1.</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>El posicionador se movió %2 entre el punto %3 y el punto %1; los puntos del sistema de usuario lo necesitan en reposo (menos de %4).</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>El posicionador se movió antes del punto %1.</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>Punto %1: %2 no es un resultado de enseñar este punto.</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>Enseñe uno de los puntos del 1 al 9.</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>Seleccione primero un posicionador.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>Gire más el eje %1 del posicionador antes de volver a tocar la marca.</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>Toque una marca más alejada de los otros puntos.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>Gire más el eje %1 del posicionador entre los puntos.</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>Ajuste el número de ejes externos antes de enseñar los puntos de eje.</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>Gire el propio eje %1 del posicionador y compruebe que el eje externo %2 es el que lo mueve.</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>Corrija el eje externo del eje %1 del posicionador o el número de ejes externos.</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>Deje los demás ejes donde estaban en el punto %1 y gire solo el eje %2 del posicionador.</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>Gire solo el eje %1 del posicionador.</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>Devuelva el posicionador a donde estaba en el punto %1.</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>Mantenga el posicionador en reposo mientras enseña el sistema de usuario.</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>El punto %1 fue rechazado: la posición del punto %1 o del punto %2 no es un número válido.</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>línea %1: XML mal formado: %2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>no es un archivo de calibración: el elemento raíz es &lt;%1&gt;, no &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>no es un archivo de calibración: no hay elemento raíz</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>entrada %1 de &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>%1 entradas en lugar de %2: los posicionadores a partir del %3 conservan lo que tenía la consola antes de la lectura</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 está más allá de la décima y se ignora</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 no es un elemento, pero se lee como el registro del posicionador %2, con ambos ejes en uso</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>una instrucción de procesamiento</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; se lee como el registro del posicionador %2</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>un &lt;Positioner&gt; sin id se lee como el posicionador %1</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>&lt;Positioner&gt; con id &quot;%1&quot; es %2 y se lee como el posicionador %3</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>atributo inesperado &quot;%1&quot; en &lt;%2&gt;</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>%1 inesperado en &lt;%2&gt;</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>instrucción de procesamiento</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>elemento inesperado &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>segundo &lt;%1&gt;: solo se lee el primero</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; y &lt;Axes2Index&gt; valen ambos %1: dos ejes en un mismo eje externo</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; vale %1, pero los tipos ponen %2 ejes en uso</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>falta &lt;%1&gt;: el eje se lee como en uso</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>falta &lt;%1&gt;: se lee como eje externo 0</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>falta &lt;%1&gt;</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>falta &lt;%1&gt;: su x se lee como 0 y sus demás valores quedan como estaban</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; contiene más de un texto</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; no es un entero decimal: se lee como %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 es menor que -1: se lee como un eje sin uso</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 no está después de los %3 ejes del robot: se lee como eje externo 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; vale %2 para un eje sin uso, que se escribe como 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; contiene %2 valores en lugar de %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; valor %2 &quot;%3&quot; no es un número: se lee como 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; valor %2 &quot;%3&quot; no está escrito con cuatro decimales</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Código de salida: 0 sin problemas, 1 hallazgos, 2 no es un archivo de calibración, ilegible o error de uso.</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>La orden.</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>El número de ejes propios del robot, que desplaza los índices de eje (6 por defecto).</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>El archivo que se lee.</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 admite %2 archivo(s) como argumento</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count admite un número de 0 a 64</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>Véase: positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>El primer archivo de calibración.</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>El segundo archivo de calibración.</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>Comprueba un archivo de calibración como lo haría un lector cuidadoso: diez entradas &lt;Positioner&gt; con ids del 1 al 10 en orden, los nueve elementos de valor, &lt;EnableAxesNum&gt; acorde con los tipos, sistemas de seis números con cuatro decimales, nada inesperado. Cada hallazgo indica su línea y qué hace con él la lectura por posición de la consola.
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: sin hallazgos</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1: %2 hallazgo(s)</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>Muestra los diez registros tal como los tiene la consola tras leer el archivo: tipos, índices tras los desplazamientos, sistemas.
Código de salida: 0 mostrado, 2 no es un archivo de calibración, ilegible o error de uso.</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>JSON para scripts en lugar de una tabla.</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>Compara dos archivos de calibración registro a registro, tal como los lee la consola (por ejemplo la copia de la consola con la del controlador, o antes con después de una calibración): qué posicionadores difieren, en qué campos y cuánto se ha desplazado (mm) y girado (grados) cada sistema. Los comentarios de fecha y el formato no se comparan.
Código de salida: 0 la misma calibración, 1 diferencias, 2 alguno de los archivos no es un archivo de calibración o es ilegible, o error de uso.</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>Encuentra cada declaración de wobj_dyn0 en un GLOBAL.var, decodifica su valor inicial y muestra su sistema de usuario, sistema de objeto, indicadores y nombre base; informa de lo que haría fallar al controlador.
Código de salida: 0 sin problemas, 1 hallazgos, 2 no es un archivo de variables globales, ilegible o error de uso.</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>Escribe una página HTML autónoma: por cada posicionador en uso, un dibujo de sus sistemas visto desde arriba y de lado, y la tabla de sus valores; con --before, la calibración anterior se dibuja atenuada y se enumeran los cambios. Los hallazgos de la comprobación encabezan la página.
Código de salida: 0 escrita para un archivo sin problemas, 1 escrita con hallazgos, 2 no es un archivo de calibración, ilegible, no escrita o error de uso.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>La página que se escribe.</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>El título de la página.</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>El archivo de calibración anterior, para comparar.</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report necesita la página que se escribe: -o ARCHIVO</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1: el informe sobrescribiría un archivo que lee</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>Calibración del posicionador</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>no se puede escribir el informe: %1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Informe escrito en %1</translation>
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
        <translation>Examina el archivo de calibración de los posicionadores y el GLOBAL.var del controlador sin modificarlos.

Órdenes:
  check FILE       validar un archivo de calibración
  show FILE        los diez registros tal como los tiene la consola (--json para scripts)
  diff A B         qué posicionadores difieren y cuánto
  globalvar FILE   las declaraciones de wobj_dyn0 de un GLOBAL.var
  report FILE -o report.html   un informe visual de la calibración

Ejecute positioner-tool ORDEN --help para ver las opciones de una orden.
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>La orden que se ejecuta.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>Véase: positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 desplazado %2 mm, girado %3 grados (%4)</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>entrada solo en el primer archivo</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>entrada solo en el segundo archivo</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>Sin diferencias.
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>Posicionador %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>Posicionadores que difieren: %1 de %2.
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>no es un archivo de variables globales: no hay elemento raíz &lt;Xpl-source&gt;</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 declarado fuera de &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: la consola no lo toca</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; no es exactamente wobj_dyn0: la consola no lo toca</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>no hay declaración de wobj_dyn0: la consola no puede fijar el objeto de trabajo dinámico</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 se declara de nuevo (primero en la línea %1)</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>falta &lt;InitValue&gt;: la consola no tiene dónde escribir el objeto de trabajo</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>&lt;InitValue&gt; vacío: la consola lo deja vacío</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; no es JSON: %1 en el carácter %2</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; no es un objeto JSON</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una cadena</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; falta o no es %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>miembro inesperado &quot;%1&quot;</translation>
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
        <translation>  valor inicial no utilizable, véase abajo
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  sistema de usuario  %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  sistema de objeto   %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  móvil %1, en el robot %2, nombre base &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>eje 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>eje 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>sistema de usuario</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>Sistemas del posicionador %1</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x continua, y discontinua, z punteada; atenuado: antes</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x continua, y discontinua, z punteada</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>eje %1: sin uso</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>Archivo de calibración %1, número de ejes del robot %2.</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>Comparado con la calibración anterior %1.</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>El archivo supera la comprobación.</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>La comprobación encuentra %1 problema(s):</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>Posicionador %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>No dibujado, sus valores están fuera de alcance: %1.</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>Sin cambios desde la calibración anterior.</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>Posicionadores sin uso: %1.</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>eje %1 sin uso (tipo %2, índice %3)</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>eje %1 tipo %2, índice %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>Número de ejes del robot %1; los índices cuentan entre los ejes externos desde 0.
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>Posicionador %1: sin entrada, la consola conserva lo que tenía
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>Posicionador %1 (línea %2): %3; %4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; valor %2 &quot;%3&quot; no es finito: se lee como 0</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>no se pudo reemplazar el archivo</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 desplazado más de lo que un número puede expresar, girado %2 grados (%3)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo ordinario</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>mayor de %1 MiB</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>las entradas %1 a %2 de &lt;FramePar&gt; están más allá de la décima y se ignoran</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>y %1 más; positioner-tool check los enumera todos</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>eje %1: tipo %2, movido por el eje externo %3 (en el archivo: tipo %4, índice %5 = %6 ejes del robot + %3)</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1: sin dibujar, este programa no tiene fuentes con las que dibujar.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 es %2, fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>la ruta %1 contiene un carácter NUL</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 contiene un valor que no es un número finito</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 no respondió en %2 ms</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>el controlador fue cambiado fuera del posicionador %1 tras cada una de las %2 peticiones</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>el servicio de transferencia no trajo %1 del controlador</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>el servicio de transferencia no envió %1 al controlador</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 no es XML bien formado en la línea %2 (posición %3)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>no se puede reemplazar %1</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 crecería más de %2 bytes en la línea %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>la línea %1 de %2 contiene un CR que no termina ninguna línea</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 está codificado en UTF-16 o UTF-32</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>el editor rechazó el modo de escritura para %1</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>el programa abierto no declara ninguna variable %1</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 es una constante del programa abierto</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>el editor se negó a hacer de %1 el objeto de trabajo activo</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>el editor se negó a registrar %1 como sistema de referencia dinámico</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>el punto %1 no superó la comprobación de plausibilidad (resultado %2)</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 tiene %2 bytes, más de los %3 bytes permitidos</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>no había memoria suficiente</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>No se pudo escribir GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>No se pudo enviar GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>No se pudo obtener GLOBAL.var.</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>Calibración del posicionador</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>Célula simulada</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Célula</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>Célula estándar</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>Posicionador inclinado</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>Eje 1 del posicionador</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>Eje 2 del posicionador</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>Lo que toca la herramienta</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>Marca en la mesa</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>Dispersión del toque (mm)</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Eje 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Eje 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>Sistema de usuario</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1: %2 mm y %3° del sistema real</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>atenuados: los sistemas reales</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>Marca del origen</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>Marca en x</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>Marca en el plano</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="UTF-8"?>
<!-- Date(ymd)/time(hms) 2024/05/06 14:21:09 -->
<Xpl-source version="2.0">
  <Routine name="userframedyn" type="PROC" global="true">
    <Comment>Dynamic work objects of positioners 1 to 5, each computed from the user frame of its positioner.</Comment>
    <Statements>
      <Assign>
        <dest>wobj1_dyn</dest>
        <expr>GETTRKWOBJ(POINTC(812.4410,-35.2000,402.7500,0.0000,0.0000,90.0000),true,1)</expr>
      </Assign>
      <Assign>
        <dest>wobj2_dyn</dest>
        <expr>GETTRKWOBJ(POINTC(0.0000,0.0000,0.0000,0.0000,0.0000,0.0000),true,2)</expr>
      </Assign>
      <Assign>
        <dest>wobj3_dyn</dest>
        <expr>GETTRKWOBJ(POINTC(0.0000,0.0000,0.0000,0.0000,0.0000,0.0000),true,3)</expr>
      </Assign>
      <Assign>
        <dest>wobj4_dyn</dest>
        <expr>GETTRKWOBJ(POINTC(0.0000,0.0000,0.0000,0.0000,0.0000,0.0000),true,4)</expr>
      </Assign>
      <Assign>
        <dest>wobj5_dyn</dest>
        <expr>GETTRKWOBJ(POINTC(0.0000,0.0000,0.0000,0.0000,0.0000,0.0000),true,5)</expr>
      </Assign>
      <Assign>
        <dest>wobj_table</dest>
        <expr>wobj0</expr>
      </Assign>
      <Return/>
    </Statements>
  </Routine>
</Xpl-source>

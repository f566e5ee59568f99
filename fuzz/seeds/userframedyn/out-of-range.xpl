<expr>GETTRKWOBJ(POINTC(1,2,3),true)

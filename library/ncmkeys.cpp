#include "library/ncmkeys.h"

#include <string>

// Key texts are joined from literal pieces at start-up, so no key stands
// whole in the binary.

namespace {

// Room for the longest key, so that a key is joined without growing.
constexpr std::size_t kKeyRoom = 2600;

constexpr const char kTarvexDigest[] = "98ea269a4dc395733f8951cc48d4e127";

std::string TarvexKey1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "9|b:#lkQfr*2k%NL=f{d5#eQJ4gO&(F{Qvui-wf0>x^ZUM8Hcac+kBM/]W_$}E_SYs'$IJhj ^e%@~v.";
    k += "+#C8)&^Wq wKT7*f<Kg&M2] $Y'lj:F=15[>Iz9Sh$Tuk2S #eGs3Fp([D.pI:'6@|M9en:UDg6nL-CD";
    k += "&b7n&bL@kI}{]68ln<.*5~Q<IjQ0qPAj)pkcFpH.(NdNb1l|+m^6R m9Eb|s5nP{a2X23_Ck1Ul|$,zl";
    k += "~;Y?,lMuJ*P-ye9c:Er/7^wdIP1(,VK@FSF1L@.7F<|imq{Hk~sVVY1cXd/uP5A.)sDHFH$4rZDF[wt*";
    k += "wr*aT4>Su_Kb|L7{q{VEUR,'Ey) h_mzG;?B2W$p[[m:JL9+#aN6c.muIWx9_FW9k+gt5,-fLloF5Y;E";
    k += "w*|NA(c056|oY'rd*/z3<aqlB%cZ`q<!ykt9HrTtLJ}X=^&YxsoT$4LQZ%.z`&g?7!tc4<Mnoqy-HC*z";
    k += "]TB>,{y_1H~{1R;P!g8g^wF A4+ft=.|CSt@*%G>6!5Q1T#^jpg}4rvo^vEQ<~NU$7|B|ARzT!%p:MC@";
    k += "AcI]kafOSxu;k-A&A`7G#}?-]mmJ8:lss)toD%aGZ;l'w]0Aq#uQ1]' 6|{Jn>/s``l$u:? y[j:hC=Q";
    k += "5#T<B4)$|(|'|L >;x_iu$gOImEPRG4}WF+iFqE,-pbkwRF*#gmAR`4}'$~Dcs(w!Tm;HD=@7ml!1/ .";
    k += "%Lu5Ss?8jewGmOpt3pZ?PTJ-7%yKt1ty(,$|t9AJ:SX52{fVpW?Uk?md/#Z{PKP8I=2vbaMjD0ZdTMT;";
    k += "IO&:$X,a96Cw[qcj@@,u;@as<2SAg<PO/BmL!(5L]2Rm?po7G,$79BjMC]'vZ-_eAGmeC:~j'E#10$Cz";
    k += "WG0C?EsDya=Wn/e$5#m!:z>'MN4C{B<rpDz{<iF-W7.TvC;tqRG}B*mT|/q^kK,mwM!^+C(85]Y>BOGJ";
    k += "OO3U#~KX82}]?P9FcynT*noQfrG-$G4K>G?/8(xpu?=7mTgF|=XxDkQ6S<:Bpm-xSl>]i3m[QC9mu]9;";
    k += "xyFpMfL9usD;E|!CIV+xo_~W<oW^1exP~Pp@pQ8<%P~bD9N=,hvOPoKI*!~'cI(-~orwlh()z--}&qn4";
    k += "2_Y{$T?2XroTx[sv)I8_76}NO)MAihDBJSrlu4,~G9.)Wc9N}iM21cbOXq^PXVtv5RByXWpaVKKg&_}=";
    k += "d6(S<8Bq2O_v&k(S f>v~&gDbs{8C*K*6LFX8J2MtnD.!ahm/-b<c$Qt(@W()}&NDaST193Jxc<[;|UJ";
    k += "W! J_w=uZ>Q)N#*8rzzFzyntbmM4Jdqa1F]6]fboFjNqBTVr'elu:G{R8!>BH1N;^B2YRh|N/yd2&Fm.";
    k += "GVTNIpG#l{K')<aG8XBOj8^Nt?,,8M1k +,,%9=_M*O;1?~?gz<n4 zo1gILc=:6a5}oc;Ef2NK2Y$}e";
    k += "aWF=b Qhl&]XPqK(G:vG8VDYv2#2l@WI,r>Xdxc{x`fK]VGM-Hz`5Rnm|e.n{S>y~hxu=Mh)6NcXuMfl";
    k += "uD){_M/^Y(ld5~y3T#f~ymFzS>6fQ6;4u>80A0x>TE]L3^&egmR.EX;nDt2I}m74C O(-al3h(r*># :";
    k += "-S PTE`g?qn7fWRnxU#b$qs=zEYw_k| O]OIYVg7p(p&AJ2V*rES.XF`&t!6`d {hc;?5jiRH4cdp@'.";
    k += "u'H'MaCUrtra.(maITt6+!AQk0Z9pEyV7%_t(?zETs5duz?.b^B+/R)J4;9UrL<fdm3@;#KAydI:xE^a";
    k += "bF3zQX2UrB'bPmiY$:PTH6to2*O6u9t,b*jFc{>[%uyM j>t-(=-G'udn5=x%30iDI)bBX2i+|dJQsIy";
    k += "%&C1q']JfVn'c;HKw)@/ (=MSIDl4BM8)idDA.r87+?>m4J5'SfDUI&!oVYYM6<%GP;f:Ml'ELGPu1b*";
    k += "=9'KLi5I&Sph3f:<PTwbZiRLEJb4fLa2,Sr0l?Rs#D|M,F=-}Sk^#VDIk4rIX$&3B>yKqz=6'lUT`?!b";
    k += "jm%19f7-SSG5fXW~[4{/p?+E_!*i@'#)LVU{>HC-nkzlF3oKKAiqhhC(F-Lr72}^sZB8V8UP9*//+KgP";
    k += "R,=^{>9qgO[n%#20E>V9=mkx|W-Q0bpG8E'=ckw[}DIj4VfP1;:GM{cLo=Hy{}hP]PfK6ADz?5x<:Afb";
    k += "NvplEOVgDb0[f.%a8 vZ_@{ysQlDx`wqeN3QEFhvu_SRBmqiSQ*j#qA3{Ip`C eaHqJfTY1^qdu/RhkF";
    k += "#X8C4n!H<*cc <0<TOGBqa/jvi$oW*N'duhiPet5$<]>dF/.;|xU'bSq1rL.WD]HjDw)gd`H_'_&iNOQ";
    k += "KO_%c@ ?:}11guEy!h5@+W>nuR_a*feZtY@6^.CVVQO'7jT<hlyD*ZMH&':925'|R=,Pz>dm]]?s5Q$p";
    k += "^+WZ}Aj8B<xf^LVRomgDNAVe]@hS.cbD0A-3D=a@$Kdx3VFsh8E6*P}OqLM!w0{ D|u8pT>jo*@JbEe-";
    k += ":=BM)V)I(h<LqB.dO)!=hRYP(W$:n5w~s 4e=&B @$oK?MYGevIa$TK<Lf3%%B7 JZ=;qL'R+MP?f9'3";
    k += "G`";
    return k;
}

std::string TarvexKey2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "bKXYbt|8U8}Tjs.WeKP+9`MRo#`]|XPt,/9J=,jI4G|<lhO}CnVss>RT]3?gL7-K:t-QvL9zb2uRNZ:[";
    k += "L,)IoYj**A@19b*`BJuLJky~;R4a jxKbF:{]Y~5$CxD}]r'?==GnHeB:[*%LHx[kK}x#;q7/RUU4l>3";
    k += "f*Nh7b*Qp=|gCe6TmK49PA;|R}T}2TK,q:0Xd>=oQg}8'f1[(A~K)5X%bP7J)rL/u 7FjQ{kVUXwSUWn";
    k += "tM%rVtI}l^;RYh[_LEm1TJ'9RLU*j)KIih[=iYl$QFeFS~pT5gCydGw3*(EO(GL:,U!`* GNAxIrK@pl";
    k += "+:=vs!lz LhSKV}-Ua88q4x4m:9[*9G4(7D#gl=e>7E?~:e03j,z.A!G'fKX'yRD#X4l*ZjT4IUi-RfL";
    k += "[2Um/Xr]-5Ii)PL]x;! jcHsv9fmsv-wajWLjXL1;j@$rKc1L2x:ZUeS[h'n)Ucg4b<>'v)`t{f9BUan";
    k += "/N6o?L)NPN'XZgn`=g^xhhd =J7'm$b(Jt?.kI4i&q#tZx9T9p1dZ~9W?zFE8eW4iQf>EmDjQMKvPlWP";
    k += "OjMg,994r}.1E&n~a8v('a@}yH@Nvx4wo5w|2ar}!HEE+(t'i=wn<#@{C1QoX[#Sz*<EyP9MY<ljoeaL";
    k += "gyO:y#c$MX5 41|fs%_JtaH&wCnj7!y.*WxBj*TZLC]PD8]&FICSF}|)wa>o;x6{@#$zSPOOv'57cTg;";
    k += "-CBQt#B_m%?qtn`=)wu<U.?Q$im0`Am16j0sLY5l7^{bi#}A# #o,&SvY+[e@9yF)'.Bfp$dU>/Gug0u";
    k += "uF:otK>c9 JzX7a;/h-@;MJwKe9K'R@VCo4dS(6FR^etIZ(x^G~()7|<lO!C;dgT*`^Xv<wuw<jHzII~";
    k += "_0@hP04~U8,8oxN$&)cPGz2Dn!!xO+>+ZN5GOW<heW`hTgV]t{KlqK.hSa+6-=o3,lgrt}D#N>PXN$^S";
    k += "s)Ge,BEVtt347DFp2XqSD2&[d m6-l:#=@PkCw!H>%Y/RAZ#lFkm<5%HPu|CK(q(>wm?F(uij3>~n2a*";
    k += "'9~Fvm-}u_ZjD1sP51MorP%>zRf]b%r3.zbBc/-M9C8xu6HnC7)>x5rN5?^UJ9;[_K=)tf]QG+I,'~Ya";
    k += "M>l[lsg8xnDO?pW_ZFKzr.kg!Ag,3~cYrS|bS7,^IFC2YX(S~12&VkA_5F}?qVMZl9'zGs1;$63#ma$.";
    k += "-L4sQ~ADp&{> /rUni^)]sc4.HC;9mSRD-jhF?gfiv3'iNmW1WVf>ClW.JFb+')0g<L,t%bFe+5F@8T}";
    k += "|muV2hk ~}]LXhquYk1ve'# |I`:5Fod/ljX>v%}z|2el$*y<8fb+L^/@w'*V%(Lxz@{!46i-=^)*Uf`";
    k += "wVV^3EFCp5c.bTXqz&&PdWpAa{g[reZR2 9s<=iQ8,aOPCJ|g7}]CoO~&PyFN<sRg!1,CdNd?jxr9i4-";
    k += "(kP(mRr3!UX_HVlH($S#nP|ZK3VrFc_ux>[g|ez8M'%|*UfR7{t|&f.fH@k)P=Qy$^*FhKfshO xCsEn";
    k += "<0DcutI`w}z%Z8^,P3[U):ih_ tMZw!z%J*C]mV%3Pk8dP9^E6ZAjC`(t4Tvg[:j;1hw;RVLY5jZfR'>";
    k += "=WNVwyx?$/K6kN$;N6JogFgG*J/=/zlOH6R72YNk,LMWu$5/<17I6ub2_n+-w&NHpn'[WW^'R:i8C2=7";
    k += "?9||p2Gb!Jn#R>!wuvdPsBo0u;L$loTj%v3mgO(_+YYJi~0*ie%nV; 8|~s}f].H}M?~-]gXC+bDN6}j";
    k += "7DQ~FpjHS*#2tie3Noij+aK<65lB_a~3'8Lg1a,v>:aj%6U^B7R>`)%0O;7=~8kig|W{{jyF&HG`=?_E";
    k += "hJKD%1yQT7 )g6^g,4+aY0&t_sQyo&4&M>D%?OBg3EpoJ ]qGc<DJ.po((K1IoX{Woee#sw!U}IR3D<l";
    k += "2aNN'drcP%j3Y:8(=mBkg>bu;Isza26ZM(aCcVc)T>>t5&M{qDhvqU}JItECd#O.Jt]xOhAPMEr>o?$m";
    k += "jBk)/n2vV 8RD@ScGo;FtF(o7st~o%5Kl35?7zyvZZlA+wS[E-mROY'=eK|2a%0;WSSx AWvBX?wDgu/";
    k += "+6pwf7MX]L|JS%vKTbLEn,dfO9Bk`iti`VfTj12EO[Q()BT3:0Ej^Q4Ai-V/0:E3NYA'+t0FkR0FD#lj";
    k += "[0(kMxTxwYP_3'{%`Rf+|/F=V.Bdoy0+J__348r?<RNTGYEsX~x9oiAy:l{1NJok=#B6.qIUP'!L<[Bx";
    k += "xD.kk_-myQc%hUf*:.~[GryGEzi,h[7+7ruAzsf.e`$2*[u6(DH5X%Mn8&C.d!Pzoj_g@b%>&z-l]I%.";
    k += "-VHTR8o <O^8]'iHQDq?C;iPxI$sN^!ZS1#OD#qH?;}~IqAqK30'0D";
    return k;
}

std::string TarvexKey3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "MvCq<wxiIy:lS:tB?dzu'[txpIs1?C`=jv#GsoZ3(:q+JyhM*M<ODC};u=M-Fp{?N@CvJB,JEi~a^z,d";
    k += "*tD[q1Rm0J:`ptL$px6Je!*71beg#pM'YZVhP|^k<$rCw?X-d*_u L*1eI'vA#F;#9)FFVK1EbfvRx 2";
    k += "v,7V0$IRTy:,LRs@VF(Y)+SiT|e`*E0T%l{s}f>^[0$j-3 _TDO[}/u!{.E&N)z(vGl6inDJ+&.f^fh/";
    k += "-Uh)DJ,%fj($8_p~L}&NQ7!bfwRM(uJ#6^c]mK3dq/9vM25A>u*JyiwW_,qyuiz=4D6D;:6kkj]wF=k.";
    k += "1>1V3L<_Qp0ARd)&Ps,Jm&:`W[Fl?uk%2eQucG {`<y/Av8,h K.,L|DcUU0NBZ(13`/?2.Mg:!SJ+sH";
    k += "1EVFG.c?U;aaMZPAyD*x=O#Dn+[FvG_X7'l7P0LkU;0U?u4K5/md$ey+|z4dU0|})|#/~HFguqZ [v6(";
    k += "Bw4jG[?UHY*-0</?-/W(<{2_Tfl)MKK'Z$nW:nfzSE4c|Q1j&`y_NQ]s#^oi5VOiELM6yJ9=rH7k._Rq";
    k += "rA1pg%O+1&fd;s:'ix,3<[0Rhr&on?QlJLR[.nafVZBnJkjy<8Mo;{.FKaU).23NmxII$4?x`P5Q;>0Q";
    k += "}^`qrJArXe`|o-pBy[40ht)o&<cr_+pTQg|[4Q.AU.Y}/:7_gr&7roSbz#ck>rZ+x'0.Lia&vqP?u%&H";
    k += "@!')?0kth|>t?.9p;XhX)C`B3EO$p5G&:c=^mep3w6cYW-']eDjVC$m;eKe7wncj[VTB.&Kj=dtt<gHJ";
    k += "y(R!Y.,$B`O7<L(b4nLh}sb;l3x`7UWM=Mdx*|D1R)deh%SoB-XyMvdlybXRylcL2*T9%Q_{0I%67]S[";
    k += "%Gp`_h!Q_`KZhrC;SVUZ)AL67to?A~eEBpq#EfYc?L2%2yd0RHgG:!6qtSvvC!$N&UlyAIv.>G[GM@{t";
    k += "C.LTc2#+'|}4B|1~x3mF'q`@WPTde${oH* ,auTb+z)Q2MS6:]uk:r2jzF|Vv'A83<!7d9sM<;aa@hp|";
    k += "3@%uH]K-uRklkMU'-=4hsfDM-J9j@O8W48CrwWja`pt/a=ZR0I&M!@)mD:9R~8ohff1qv 6t|;l$e]a ";
    k += "TS `IYj5+R*ikXyYL8sAdlYNq]yUYj@vER$}vg~bg'bPa#^}{r7]FJOBbV;7S)_3UP%dNKjS)5pJx`Ev";
    k += "L?Z?PHY(=10p>Y7(($-?eczh.rr3x58Sd@2YX/<C1m3WSKFvE(o$Z$JTB}'Lk4+;~w-PcWkLYK'nyxLQ";
    k += "@#Zw}J.lzQWRLr_D*yw[:tggOrvsihOxRr?<ia5dyB&CWJp2&rFH5p&a/e[!|:|HkA}&WJ9.VXf]tC&m";
    k += "dstyOIhvY#JpW>S*yw'yKnq7!z}-Qv ,&D]){kjmlnUq]1ry5iJe#BcuHqc'v#+R7qYctT5=4{) SjVX";
    k += "e0'|:MCY>B(O|> $OPX(-{;L`Q_.r(n6v9SB=9cod5 );~d43OFwiB.3,^'0B0c%8X+sKZO^)&lO(.Xd";
    k += "!]&6H$R&dQN%6D'*@({gQn/F6hc117<j @lmU kxTxmJ1zXzQ?-tOR_;c&MpF$|bgd|`<4F|[/0)A1=e";
    k += "$Y;i)<`?<j)_7b-x$`&?[$VEK y'K7VZsl'LH>2!48XK_i,2nV8|[za~bg`.CU+m'S<3=WWW~eF<]vy ";
    k += "^iLq0wkb1.6o|iA}%U_c@Hg@C^X.<Iquu<&)Q+k rmwwl}opp5rI&ke82XTHC$ALeS.V#=,#0UJn8''y";
    k += "9H0eJl&?Z1f:WyW87_87tIQUv`#~!vEA (AP{@et}(xq4UK2qYZ4'|Jb2`x&?t,;Gqt4<AX(!.jr:|B6";
    k += "F?@9D.fq}8H,wsmJ81C{L]VywI-3O<.y2(SupPCD[<?o0Da-B6pKwa9Y$#y5-AEeExfX^Y;zN%QOd}=*";
    k += "/X2Zs`St?1^e-.{.2/'zE91{Xd3Mkq$Vig{z_mArLhkKk1;vxu?)Gs<BhqCQaoAPk8ZV_iok+u~<e?->";
    k += "4haw!%19-3DBUzCelBo,hmc59M3jVp2g2d6IOqp%i!yJT1VK<]1Xk j?[IpFJFak 38 C-k_&~Jwz:2@";
    k += "/Olw`du=6NJqx kDqyb]ZQz6/`10K$]hOnJ0N7N]FT,EWfIWs KcY#j*Spe5}KOFfJ&=!E-t[-]wmCk<";
    k += "Z%JA-9DQcgCf%*:B#L1is7LJ-is=)/C_u}OrhUIH!pBj,95+n#N';KO(NCKSESZx) //pLzhK,j3!Jw1";
    k += "dR/a;DMVUuaIfdx_4H3'1#:b:z-k?f>:Q6!MqXKhX>_c+eop6jm.-HLcD$cT9Mu$7GoLZ]Otft Wg15c";
    k += "7k<^e*,y;!/HjD7Jip%0yX=d8H^2@^C_dM/;6i]'~ey&Y(]8NsKxcsmDAzy^p/s]Xv0k(mAwy.916[{i";
    k += "2Z7`+6(+a%!ZN|]yelM.M[E+f(^W2nPXGhl[~Y!p!O_{}xG";
    return k;
}

std::string TarvexKey4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "5r#,VK:t3Y{tObA5%fGF9*J]Vk>v^q+i5[SJ(K^a?-yHrEX NT>}O4S2?>a<y^lEJODUZM<:uK3NQAXP";
    k += "#1;3:S]@LVGR>6Q-|'N0SjJEw5v#7)>z^C&;/P)c5_)1qQAbS96AgrK_trML#Qsg.@]X`.k7mb[LXTqo";
    k += "O3?ZC'h9h`t~DB%YeS{rslU^Zhf8!;}DNH./`uF}ZT&?qHp`_)Ph+b;aQI%X2ouVQ%oL(FyBWL~n#F-<";
    k += "7%]iibVj*Sm[4ss^HkwX]'q>?:}<4Fb_M4:!f[^Dqc>@MTV8q'cS43H4!iW!yS!p6G~7Qx,%!t] Yw7u";
    k += "$R$q<^a!MF|Q,=zDF,)>x1lAJ(du!]WmYJD;{UcZagaGSCCPAZc E@adeQy3`t[D7(a PA/.[gy^f/kE";
    k += "-9-Ya=i[gCoi]f,+<D=Ge2Z _u*+@ea<,-INu%{[iX*AYP2%H[([y9,JDT%mF%#P>mmQSkVhX;%uCBO9";
    k += ")YK:$mW;s|y(= zs*s0rIhQAiu)x3r{qJZ}j<(OmwwJV@7b[`'xH-p'%_L*23t}4'^.Ja`P0Tv~s(6dL";
    k += "W;eHvMZ`9{ g[]<1/vo6Ut?_A0Cu5[=h-i4UKD8},pRy]sL&TR:i9C[ce'hGul5p>/dIDyJrm}As8yC3";
    k += "u^DJ4b>('/|fB< /6{CV;oAZ$FG.FSLhQ,HUTWlKPkI,'?l!N3/,Q' 0K!NH'X{&=9)%H6v0yv@d/^gL";
    k += "gl|zTY(s)NF)#_f=ry%vTqP)d$PzDq:8%rxPTyry/b1Fhg{dG.hV5[pfN<^1$ENZ(hIR4x~?E/)rIz+3";
    k += "!>o&M;h%I9uY>O'Ar,Z/eEci;>A)D.U9_mptNSlub|67a:fh#^<Z>(L2*`aRYgd[n)gr;Aa%[yv>n.4N";
    k += "Uf8/F'6Bn1e$+oJ?bx6X`6TVGz|V0(2yC|QHI)^@5tb-r3<aWjtW6tY*uFi8[R%rj}A8::f(4l>9/+Pl";
    k += "b5>[ym$>9$xdj@p%E%Zoef{FUuTw@]d4U ~sAU8s)iFPxsy4'SZ]c;r3]FT9`XorfwOvP^g~ *M#o+?_";
    k += ">LY(x+/n-#DN;UW8-cV|$LCgbM4P(8/h,Qp8eYZ%qH9DdJmzaX}+{HG*B_)IP!'kND%/(N `$id{8N V";
    k += "9AGtFhXc<x.om^!XP.Ucd)-o9{@v_RvdGAvKostvg>jmG_=jc5t>VoYMjWM?.h|9FI]w:^$Dmx F1gZw";
    k += "EG$#i!Se2gOZF9=&&a+(TznKeX)dj<d`X6Pg(Lwy`JLtz6:p6iSNoLH<RYL0:U`Zs.~F;jn6:!U8Y[;l";
    k += "Uf$1j((y.TJ/y|>s0^OO~LBZIvAbbGF0)^L][JZK~xwb.JC]fy!5`SmVSny6~'k5U}1dv[d=Uz&Zgy@o";
    k += "pzh;{*M pNdRp])XWs'PRIE%5y`>vAfrYTp'>fnJaerFO22>xb{L+[|*&YaUqh%'d2:!V%[[|IPW.5n8";
    k += "WA$ e9~9edMx(Dh'm0=P9!C$4'Yz~LdPZbg~[o2!*]iBPc<Kg0r;[p0!8tJLJZ}z10P:U=.(V-#L!L^)";
    k += "b|j||SI7k`Q)H.941M~{1aZ$X@_Q<4Vc1xgNyzNGG'c0ld}O}]k%,$bl4E]HRp|R}:%5V 2U_T6.b,je";
    k += "+ukIB(48;-XX{LVxrw<#ZCas*}Nd1K<rJMeA]F'&f{K:)WY$ZcbiP?!}M_Vi``Dn(]K`P=6g?u9M3G3@";
    k += "7&=2HQe?{_P=cI,(b-~`=8zmj4RgF(K<s*K(:B9C,8fbP8A_GH~0xn9wu66d;K~9QazU51Pu9Ak }Aep";
    k += "}KN4G1R7FD1+;Fs~?feV!/)utwYlT7$L/}S3.ZE]0j&|QFYhl1ZD;;V`@N={nrU/*kuwKIdi2=@`IlP.";
    k += "(<pZDF,-yGz:?BN`K1G.@zffa:Jw{E~ze8Qx+>nq]W]F~$KD=Clb:w4v=fcK;m27JioV(JWY;Bw)A9dU";
    k += "EVr!s]$X^6p~a]=%GGgC<1nwq?nCvkjl={+eiFFgYTI(gbAcz,C?6L:P[;YLeuO~D,dlFj=ww8;bI&RM";
    k += "18wM:>Q &`bQQ#KUVxnVY:!A*iz?N-+^{ABFHas1:9MLsjjZ:%F|l7hY='VjDw4m:$,H[.mow9>ulqfH";
    k += "k@|:KwLF*AvuXOQdJ+&j~{FiWgGNX{0(qjx(LMpZ'e%%Q6@fhmfs%I%B,!m!I62e(AKQAa~?FE{1RYEK";
    k += "sCj]lH=12[-%> J@ry)Zn0W _M=s%li+ 8N9rs'=)a<nb(1kd)iH1o8b0sbN-";
    return k;
}

std::string TarvexKey5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "-Ido~V9GapHC/:20dl4b@*y P&lnqR*a&+g1sL|^n:x-aHm-wBz@Nmc}WgOe7!g$4Cr?r,&<!,bTi=U*";
    k += "&cN<sPiShuLFi!99+^/2J7HH7(RznF2zDK5:G0PZ;$You -kd8-O+jp6,#6f8_f'?&TLf3B&>iqp:mK?";
    k += "2+Z_wQR7Y@PLK}Khi$6K7GF^u={xL%QMg}-4|~p*Wf$5tk[XiG_,WQsH_d}a:w.'CCGQ)F~&L484F{pQ";
    k += "DYPRBxjpM5{: o2L 9Q,{>zcsQli@RW)h!gfPjR/LS4})p;V:g]El11@}URQD13A/)08;MnK.(bW9WW?";
    k += "_fw5pjCV:{ v'<h8O6@nhMIsm|-? M^jGp:`,W$B<}Wi_;tQ'QrCFK|@BmG.T6;oq>qM_&h&m):).Oe?";
    k += "GZF8Dx~e(A=343G0ZRD=bu)Ob%@H7j-X0Lfm@*w)SV7a<'s:n$+rvI(U#$h>18_3j<#~t/5Rhl)_nA[h";
    k += "hYn8~`<Cd{e^2-`:;+IVTgWLxpnd91Hs-%sCn3'!bsv`1j/<+ z `O3kn^l+FuiTq=.O6#-L@_F$&^0;";
    k += "t_P,@r(1PRhD'tSX+-l_5a0B*2HJVoxXUqeFkTsTsK^/TxHR`V^C@lVe3-_'8fw#QjqN4k<1W3zZ3Jx#";
    k += "8.XZ36Wj!fO.:92#tgV;)hK}NLW;Lg5JEnz&0#LPNe/&btYeCE?b-:zN+`%S-`2*g-vbfloDblyH&@eG";
    k += "vdtYpr]>L9?,nIj[#d  0fB8L^Q9Lpxn~4)a_'}r]7E%wf)e-{lM0Pl@[vjT0([yrY}QvTMWGUib?vUT";
    k += "jp,Mt/UOtWNiQcNtP0^9 +YJy2|&s~X@jB#B~q{R}ed%+fB(Qx0/WUH^4,Ba?;fM$tx!}uRuKqRSG2OD";
    k += "MTj'CBkTeL)sS/F4,Z=P0iaQH00c9lGk{hZy:IoHNZMR gT,1XBZ$<P({v7'nP*7lj14Q(.6x AYHpP+";
    k += "?}L<AYZO e;8*ZT'C5`Q^*r3R`Cw4^|Sp[2; 3}OUZl,|S9?IQ:SY)_8%f]Df;!1h+lKEgpkZhb_*A<!";
    k += "<,'ER_Dw6$nVS^4ClMBM<VUROA$Gtgq02`.>j`Usgnl[z]uo8`rQ^Sd{l$<4?pSU|8]F>C~(AEv*fMq[";
    k += ",+Z%GLIB/*dq@nxfP2|gy)COSG'-R<~MM4~wMC@^+Ju>5RZHq]bzR{kw|-]-qfJxne/MZV-)bY%mUl87";
    k += "8GxJz):(c,2K^k2c3Ri&qE,6`Z+Ph4xMQ>bYe(XPTeslcykAbkjRPMEFkN7R#]]~riin$?IvP%8|!a'J";
    k += "=VI-Lo|l%jcpKYnZI~_59D4j7IqEV^34YCzltblg68tLb>5`-!O3'[&4^,B^Co74qSTS&~EwT3R:]]e^";
    k += "a(ft`0!<[1_2Te9G^@+iiXMgn1R<yN~%^D{4@Aw6LUZ8|n2LT'w7;sEVQ(I`a_J`_#nYI{OkRS&0U_`-";
    k += "Y8a-_ZO eje%Z/h'wZVjJi4+ l,j!]2n@m=5 *srs'Qu=F/8]c0*J+sYrFp8].sP|Ccl(3<h7wGivZ`;";
    k += ")sVc%4<&0.J(Ob`qO/s'MsLD]/<YvK%.E/Pu4Z8.!G6Y(XHh38;#P7$f=A1SyM`KF_O5|kH;H%-u^X)V";
    k += "_]5_w0-ynB!PQ?C0q2B@V:G.)I:B}F++Q2)f0GI9~OM}8P<[S&J;P+u] 5:[R^-h1{?@G*wk%}Sls 3l";
    k += "]h-v5Yup:LhzAJ}BP:N~;cAx`VFJ9!ZoY6^!I=XOW =^p:2UF.wbtNa3YmG&U>A%I8h+t>st@2/[]}XL";
    k += "}oaY3_XA:wy3!;6` n`0q4WRnq,.Bp Cd]k'w%.z%ylz/8l PJ]C(I<'ECm895g^'v]6$s_(s'631j6u";
    k += "T[p!g!8_g&8g;Z+.eyfy_AHUO<N>*&Uak2C'NKg=gnP4.wJ8t, <$#wlV?j '?2X21Oa*lMQo.o@VhjA";
    k += "K4+(f%AO~=Q&7)y;M,s6_1}Flrv/ryRy2L6wD^;II5WzT8+rh|Y&>4wDM_Hf|<Z0(U6)tdSK/J0k2@jD";
    k += "Bp&EFr}L>E$v8cCT*LPP=NH&q!n<jdZ(P;09EIX}]c`@{FuO}D^Si4Jp^OQMVMyfSF^<.(E%E|sWr3w<";
    k += "Oae^@<[ucC<*f$])CK%64Ay_K&.`i5YNm~1x^Qg7?WkO8qqf*qP=45g#*bd <eXAS%nwZX)lshrLQUgM";
    k += "9!AEejRf%z4R7u1?Wc[!tKy5-y*,ar>VXzT;G~GMjaRCmdB:.TXr5KNw*.9h=U.QAVd.jV+krq{-`afd";
    k += "E6:]}(b%>eb&$vWk|MeNem<@'sftwPUuwop5JjvPO)crWMXL'3MG1cM:.p8.JFc&_c4=^>2L)wV^7Gan";
    k += "8VmMgp|!&e,%@<UvndahsA,-%.DlsF9<v.a*Z@EFnZ#.IhV05j0MZU1g*D4}RH$&B9f6D2)n[x#b61'D";
    k += "nXh$I]&+xk6veO[uh6y4-]%LO=z[_6Xs6+rKd3#[t%8@`Oa@M3vtvTKy$z8#";
    return k;
}

}  // namespace

void NCMKEYS::Init() {
    tarvex = {kTarvexDigest, TarvexKey1(), TarvexKey2(), TarvexKey3(), TarvexKey4(), TarvexKey5()};
}

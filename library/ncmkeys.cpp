#include "library/ncmkeys.h"

#include <string>

// Key texts are joined from literal pieces at start-up, so no key stands
// whole in the binary.

namespace {

// Room for the longest key, so that a key is joined without growing.
constexpr std::size_t kKeyRoom = 2600;

constexpr const char kTarvexDigest[] = "98ea269a4dc395733f8951cc48d4e127";
constexpr const char kSibling1Digest[] = "1db0d0adaac99a6f8d4bfa27daefdde6";
constexpr const char kSibling2Digest[] = "3fa6117d6ba8a5bbe332aaf504020b9f";
constexpr const char kSibling3Digest[] = "2ac4f2643c0784f2fee92a012ca3b7f1";
constexpr const char kSibling4Digest[] = "22081d7bec1a8485dc0633c971dfc746";
constexpr const char kSibling5Digest[] = "cee0d1fb196ebdb7159cf0df43ec7d99";

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

std::string Sibling1Key1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "|s/KV6Rme7.}:7^Wq3cy5MFo}eOxFC)[0|mNq?[Ip<D}7/NJw_5z-D&n0b}2_=[2@^pfOsYOrjLU A>^";
    k += "3bJ@S%wlg^Ja9K:id}59z>Y2St)IV)(>bnvT[#}.69XU$D0@T2Eg1;&NA?2S[^<3*>(vikU5m.sqhpBO";
    k += " Nz946F<TO _@LJEZj_-Zp9(FwWm/&8`Ris%Y&yQ:zxbk#dw^ L4t,K9XaYf#h~!Z}io7w)L*YqA5=?i";
    k += "h1XO-FSZD,tpanH)6?3,x/oSF::0>SX-x2h`.H:t:[V=5F8`/Ye_o2v(aF~M(cfJ59b(JiEb,C|UGO5*";
    k += "ffK,oL7|D:W.5f3aH|qG^/Ky!YvTE*$^-UhB|=[~.5hIDN1G+dXkcrO1s6`eql(=KO)d|917mlU'Jv8/";
    k += "tno6&:EQVzw.*~rw)7gEAOa3#0}RrnMy:y-1JjH@xk=<;;:eg;&s!!LQ#QhP)x9W(O|1CMLy`fK1_Ykl";
    k += "g8%`=[I.u^DW)yS=5D0 ZFZ0iZ?>w`X9&wP6^*?1dTLQ=+pznM ;|oI>TUzQfHm(j/kkG .NKpJ,SD+=";
    k += "(o~<! F'@M_N/cFM9B$])<d&])IT/}G|mW^/jM2! <tU'IqmgGyC-l%HE_A2mlwX}pE; &f9(quJ]rP)";
    k += "VwFjr5LHI!'pj?3c*W>%Ch4r!_rL+:$/5CIaVS#iI1a$aF=tH.EhKz2HPsovkeU.4Gp{/kI1[*cZ~~w8";
    k += "EKQ]a ;$Be9$&XuJE1qB<YlT$|/V.^~>UE<8z`SM+R>LKEAw>Ifwo[j]k[UfA&Hn!6/&9o^0n?^wKk)i";
    k += "9W@&`LU9/'#|x<B^<*N(B/WfnuqjB0/zTeoX}xV._1M+|%r1q?]H{E8a#n+C}[4Vo#r{&5gmonlbsffk";
    k += "C^L*Cs}3Y[J[?~4(-doR-f6o}:~21/7j'>]>1_>dy_bOF=G`c9Cpyc!=jg$^]5V7wy&B|H;H'hv;U,'8";
    k += "&&zp_Z-M9:]T'RJP;08FV~bZ|!ivq41;>Am9$;tyCSyHp)usd3^Br?D!t-u|'2_XwjcX5t'G!AQ#^,!A";
    k += "anC<~T T&_Muf=We7)DjqBfYQ`&EtL^51*jVhT^FEe)+vf0b,J,=H(`C@QK5bF=RU|iiNl?e/:x/zC0n";
    k += ".@!N<_3ZHDGQ-hZF]]h?h-Dv6/#tZh%pf44Z4NMVTPJv2Uvt]J{P/8~O)+]m*?j-y<Uchn8EpOaHBy3a";
    k += "o/9j_eW-TY!^?*oe.07g%;xfkD.KRNjkb#]}Cd'j0O<-b,@b|tLxX6_,ds:VjP$<[L+^6md]_|@C-<IZ";
    k += "Bm0)DNis]K:m6<~eg  U,41FDnGMOY(/pMNi@.C4w E'=W6R,w[Vd<_oR8^=IwWp!w>xPJ9 VCSBnU[)";
    k += "d8Z16W$c~1t3x6vW9Jq&DG#G='ShrRpRW7`l#L~P']?UMDe/[Pf`O8yVDZjYB':XEkY`k:Y;03@f~(^e";
    k += "BX~s0B}IuD)Wcr@T8qBWU0vFA%Sjr|W@m5m^34lY>:GQlOS|wgH-z4..a16bG*J;MWaOM$*Bv/WV5fWW";
    k += "_;toAHF$*Kwlq_YGy=h2d!,C?r4A<?Ks/ia0Ly(LX5|%8yr.yb0uWlN(%1(IDk75QNAk?m{L'HiT@vY|";
    k += "d3gxp5xw82{[-Qmimq{Zk>E'7wy,tN5}KzQwHVagzy*#*rD{0pcH za*)00{JcH%Q_RHKW*W3Jr>#h$H";
    k += "JxsEn oEc.-/j%] ]`W6>f)>Oi#N|}^eH2+PmMi;OM0hxAn-xJy':hR0Vl#QE1w*67|XMFz.652@>^v6";
    k += "`5/pA5e5N*)uqog!MUK(}]XY&_M!L}vV~H!1AKAT5JOaQ/A;+S0a2=BmQ)xNB(J%j]5R,rFEDL2>QQtD";
    k += "SQF4`'6[o@.61/Ep{</:jzNNV6Oe&z+'s2tl$z#DYRVk^.H<+9c$TGTa>3qS?-4pAh6KNoziIx3zmU1/";
    k += ">qA_#Al3il.E*FKN^(E4Ya$vY0Btor2cHq%;w ],PjgL;Ha-ql/]fGnX3LT9N13>yfe)W3+)y8tc&L/+";
    k += "@c#jbf&O'Y[*.)a6YjD>x 1LE12b-L~u7D`=S6C5qeTj+fb__ThPT!$dvs7<j@/q]m(Vy%p,eVz#s4={";
    k += "Gdjj:R@l6qF$Y.dpc$&Esqf Y{g{5#M&Y[ }WdZQR|*fi1#5aD.i{DyS#>pc%['enJN.BX60E71Z}EUT";
    k += "UF~*vK yY8P76MHcm4N;CMGcUZNdhWVJTsJf&@|tDzt <*#fQ}zC%TXsw.h~-gxAk_!C!=4sp}12@`NM";
    k += "mSj 8N<?=E0Mmv:NVMq)Q'Ax1BuINmaK%Z@fx>(EWq{%rufA&{;@u$mR9<*G>.?.}Zgq|5)W8w/1z)L6";
    k += "QBQ]cXRJ41|GL3As<CnK&%#tY*gV~4iW(&4q0f56/Q:*A+zG>BYHrX#*f<vawm5db'il1k1q6+o{XlZI";
    k += "G;)mw}`j,wvQAHs+ci{LgCA<]&<7%_QrgMP1?#Z<*^S/Ggs;dzS&fHqCKzuU]&FO:92`xWoXh1.u%='B";
    k += "RgR|uf)kt9BK:JP|%q8#x1D>ij h&c6k@Y968kiI6H1#nAq`~GQsJCk}0%/}gi34qAyVFS{Y{Olj+?R?";
    k += "sT";
    return k;
}

std::string Sibling1Key2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "B1{jS+g*yV4V;<q}y#_Ibua'nNQ4?(aM-gcU:/!^yRuG$AI*5C,rlDBP?OGeL~vc!Fo^vPy/c/H85FL>";
    k += "cDx9cfwmv)O8wGMKwsmSvFzLz$D&pGar=n:@Y%i>=qO@i.~wXSl54wozL*vrO9jrHP(=6Y<HrSVf&&v2";
    k += "hh#C2|:(JYZt#X$y:V,3T+^kXHR&HDu80QiVTawzcbv%{qS4&Md@9hx{=J)&dM1(pBWA5QT;v4WjoRT1";
    k += "`-E8;}/3}tHd+g0^cw+cUf-|~<j'/a''_9&:MJ3*gcG(ERoKuQBMAG2JPc:<`m''$R|Yau ``W0yn=W=";
    k += "LTS[y#}|.X^u39f3QUW Q]+bIb-2+D/-[q9eZhrg$FqcfTu>Qs9)FtDLqq%fj{;rWactnL'^Cx/<1A/2";
    k += "rI/r]>K^*<(c_Pdz gZi(?+O|wZw~<-IZ7(8ZG78.3qk~[o/!8Dh&.WGQjp!$HHa]]GV)[(4CB{.,l]S";
    k += "8-]4by}0wEeCzRT9m3*f'@(;/@y+{M;3^u$/1O!{<5-FO4bSKWKyAHFqoED|0*fd_f<zg%$6dC>{cJK[";
    k += "gmB#[-J%sqWd77aA:$@0#5>yo}O^~/_/fl#Ys.`3bQfsrYy:*)'{6tq^5c~!&ir=G%k@@)]p=tk_&nec";
    k += "qEZUd4~uuYx2%h@/DJywmu8 %;)`.|#L!#[!!(3:;z@r5,$ysvcUXQTIB?%n_D)!~B;Jh*dZ02e_g<st";
    k += "#6/CX96ku&W|&$iOszt8xky:ZX7SUKBLeL.F.@yd@NmKaTsXbS#<l/FD%~y8?!un;A?HUj/?^>53(O5%";
    k += "gz])W>%?Lnzi@FbU9JUHhP+7~S[)x!.#Zgj[[&BBUnliSXwGnK$ttyx,,'#w/Be<_hNGH86stdJ_)jcF";
    k += "*6VMzVvf>{|LEN2<$`h.+apv(Gw_,Ja3&hhDhu)Im3p y<YoM)D}TA(LB91)B$uK1DJ8CT':1Tb<aU'k";
    k += "K1>v3z.b6.}ej$;t~5O*yZ1N#O&_2X(z3T9WqMMv98afvS`mks]|G-qJZW,c^i{P_0-?csx[f]F$2Z;F";
    k += "9@973vXVYAZ1Bad[O;~9](:~}pw.qHFbWZ4H9|nVmLG:IESx'}W;r3V,Jo*E79nZ.v=]d6PCU$;i*!5U";
    k += "s{y&uY7ImjA=7FTy2AAT~,sy7(5Cjd&oAIlZ>q?*E~[CYs0yyPfUnSKCjdos4y[E[b-:ab:cTSrx/9}o";
    k += "A@7vV2mh W'1Y'P.0+0g VzsJEK}u%%a%P:+4u/4bJrO^-zw(_*ssvaj3VhNFN%#CI6WT_Lsg3lhgkVb";
    k += "Ij'd:#X?GoWneF|L[K{vZII}J;)}SV98KK};EpT4/ugaY5SmTg$D2wc*w7VRV?p<B(P@{|'o*y]/)+y1";
    k += "mlr@*|Y~{T5J5t!@9vu?6mEMqT2-43u/6lNOYFzjLiNL[O*w0V:dIPhl1w1ANw}qom}Vt*~]XLoCS@-$";
    k += "SpF` PC{_#Pf7KyJ=o%2]s8cSiZ'rz},'ayd7E|qgcR>H rm/[7]PRfRv}jG~n*7GV&(1I)S.pvu<-0-";
    k += "Y&]%J{H'Z./QtKz9a{cT~4uPDgd8f`&q.PGZu<'Y@L#is&6.9Ei/Z2}<X/g1G|Q#5`j%cUUMeu_0YQu?";
    k += "()Op8m%Lgf)YA]T6cr0-04q!9,(&1ZCl~uX(((u^iQU2q1Of`<c=5MS@ tJ?[~qnI;z=oTJAOQ33*|yW";
    k += "yn_g#-W>vz$-'S]VqUF.D3i/DyL}jPr_=Q1-(9p4 p ,TFTZC@u*6*D#*#_[oo&K;Ixf(dI2GF2K`=cB";
    k += "XB6t;W}[`,DG-V'l3C7{!N|(qh,I?,r+qKYf[Y/S~Mb _T5qZzq24%_4xgqud.zYz,Rd*s}'Z1xY e5K";
    k += "#5(y1QHhgv[HJHKB^[82F3L>L`HFX5l3j=%V4@((*PV!;Gz==w|=W^Clh-&I8jN,4S@s,T,S^W7|..bE";
    k += "RA:ls{7LN#>c$5j$7]|ZCtqFd5;Nc#^+>:F[B&=DiNzUhulzlCWx@i?$s(a_)SMsodF$F]3}h={5ka0`";
    k += "^2zsi9qswPW@:KGZG]MDp-W#UXTDI/OjZ*sv,VXp_-$p]=~aWHQ,'N.;ke4A'`ci,fa,C.1XDKmjBq'h";
    k += "cVK%R^!#&#M+?u}mt/*d]GV<vDI9x$<8vbk`?VRjmngx/dX*JAhALwM+'/ef#(|99/&'=ei*f?yGn:;Q";
    k += "E6vN=GT1wTgI?qeFl(Tg9FKVjKT}:KkzU/7,O9t9`c3 B_=8CA6&[XbT5dTi+u!KTt4?'T`!l7e'c/9m";
    k += "ZoD_AWx12(xl9f:HYi6 q,o'NTIrd1`%Pe:jb-e5)*%9``~'6gV9X]K'I 4DdYy|t1hp:|lzcL+]L2/u";
    k += "B]b>OA|Q;TVDQ2tAk*>N@j.c}c2oW{_7}VM@|BOKn/IDnm(mw2qZ`6";
    return k;
}

std::string Sibling1Key3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "W{sT]-J6KiX4iKysw)1gKS!Tct:#8tdEEw,~w/v%[J,_g5`w?3Wn{Mn)1  ^1wHpwp%M0WS^zJvc:b+U";
    k += "qW3!J4dA,C9f:W*!rN:fD!m&^.0D*BX)[qA;K~r3FB;hkl/&3@3<o>]';+{fBMwo[JTUfO*pJuqT4^n~";
    k += "mI5N1cfdB0_rZR:y,cTY$xX |sDbbPQp-Hl/[R4=m+=XplCMpp_s,kL|)RVeXOafm{3oGI[s.xy<aK5]";
    k += "EzW&4+kG{9D|pn'4E>U@k?MM78<rUZ~TNMDAQ!mo ,u*3r(<xS;E*pSWI,ml@|I1xW:Ef<<wXwZXoo){";
    k += "S'auS`7GE[A*W*V9V //|8.>&iTOTF/gNJK[l2tc:]'YO6tZ[1&;FZ-swBc&JcWbr>W=1iWU=5V]qZy=";
    k += "E2B @;lub,<R8{'(rr+O8p~+UE3voqOpi;rcB7t{-p6?cFLp?,0tc1->GGM^Z>6^:BKohco4*GdNFNyi";
    k += "&&Sk7|AV''dJ&OlY?iTw1nnd)[Z4Ve#)wHu-$9pf&]Se[6qUc)#[[Qk;Wb_dP%MK 4R[M?7~[[04J&/N";
    k += "SSNV]mzV9dW9fL`GpT@AW((YULdQ*%62~OZ9U^#HIW]0.otf)2=T4fnGDq2cv]ue%*@,d.46vPd1VBwM";
    k += "oGnA>R2Auv>DgpPyq`Ql`@p]y~XAQd!:O)BdI{ LZNQq_Mu&F0/Rd+<FyvZD%v&fqZ`#wn)'K-m)w|[<";
    k += "G|Cxmd^uJPqCDZ=nu$d/6=&l@`mIeD?hUV;DbO0R7YlPE$Ae5u {:&Fb<J&>'lg|K3KlK4CM[z3eRTjY";
    k += "'.4eP^o'(kqTLd5F<8 6q~jxA}<cPB1P/NnixNUDlV:Cwo[V!ER[mx=zYfPJ|24LP*'yY+SDfSO@:eg%";
    k += "emRY)JvfZAnRduC&Z$@CKPX(+2;!Cx^Pu:j INrH-bUF+&h=6=OUp/LnV<LQA'G}rGMZB4hm^2JDr5R{";
    k += "]K-:tlNIq6EWKAi~Q$&J(@~/)p$b$/bU41vXbt1w{DadE8#h/;}uC.UCLhgKa|AQbT|X!HS=~hwpBH;Z";
    k += "Y?qjMHEH_zO^&?&-){`c3jfqjh[CB9[;U<pe3M0%Mx3W_KA*XP=S.(K%_w:,gH;'/(W>%gb'PhoTq5g>";
    k += "ER=+#:l,Abb.yzFQ++4GS8&:3Z.`:H{$A}$PEFkhV~7iTB$#tcDdeN] QrryQ6AU>oXajq9/>'YE;#Uz";
    k += "(i^DTJ'Vra:So#4FOFk|76uq/k;Yk}v_9Z_:$Z.1.U6UalzsgJZYCHU EuC-^Z~Gzv*wPKKv?Kq<O+`_";
    k += "RThUF2'eDl3*wOE$%J!/`&@KjNV;d[x]n')_Gb-8NUT*6T^,EboPk?%`#:d%zN`b6~kY}X^~iFBXn+nX";
    k += " %|[,zT6c5TS&(a-B]oHUGmjPh0=($- hZ9-KUiP B}@[p(=S^4qK-^T0}w^q^2G]|`2(u!`kfn|jAMj";
    k += "6T[C&w+T>Bp]P?`QS-c|nMA*|iARO;ixI0`UTPV|=uR?5i'vD<Yc/| }FrN^6vu,`b!?e~{)mPqwHV` ";
    k += ">E=UVuiGagEVJme)/$riwY!L0+:ZmeR;B~q#}+f|!H25GTD^^-4yyq)f^$gxGDZpGQ:V@ik$!G.u;Hc:";
    k += "Rg#M$9&fH>IMTQIO>ZR'*mg%&UoGoSQI2Ic9aJ+0Fx6)_pR^(aemRj9O`FMP>lcpY8Gm)F0qP'p(XOG3";
    k += "b6g;Yb_*v&8nyA-Ya^6cjB=seL2Z6d2DxGkL9:Z;Ur*T*yQ)Jb#M[z3V{qTyJooi*uW%+ZvCxtIYV[kO";
    k += "1TO$i.]E|x0a(/|^^F2V`,?a+ICuIs}HyCV)R>,HF=3vfRF_:)!ZO(+A1J{;Y!;nV{:7/6L<1e6e6)Eg";
    k += "`g`${3'oVy ?jjeNASohL4/DSVC-?JhqUb29f;QM/|xt8 wg)H'-M U~YXtdppkg%`)0D_.<N7H>pkEH";
    k += "^47V~Ss(@3ztwC>a~htu%[k`&SO`4TR<21P)i39#0+@dwI<eZK+^.H8kOo?=nKb@LQR/jCqj~[X$J=*z";
    k += "XGz8)qsS)}v]|%9whLl8$-[-H*8kIn*c9:U2BVfZ(.PxjXS?<P|vyJfl/N#qDt&FM@F64Fx@nHw~uPEf";
    k += "Yyru4VXSVWQ>Xs$9+@nd5yBgGcx'EtI]H-b#^F2xSKsNe(1$6`pr(.81mns3K-` al[C8BmRQqk&V9)W";
    k += "`L)M/^;;!NQbih+r5x*:mb6}o.wCn(^Y5-<DgMJPhO%sy<;d{k8q[J['[?$TVYa+j'>)eWTFMbUXVbAf";
    k += "2&-SlXO5+/Q;W[mukGX3Bk-aDnDG/Hf)4Wy=>~3:*?~'H~Q/,>E}*ahldet5_+xJ?7t8P^6|)0|2q:{U";
    k += "#:sIwmzq@ND@B9V9+.[}(GvQ#-%pL?&-vk'TpN[Z-;)UtbmfVPg#?xD%UG}{9cz98HSF_CFrCmv7~aj/";
    k += "'</hv.lh~.1Nk4]RXR=^1^s!nK0mqQod;U.n4N v!%8u{N/";
    return k;
}

std::string Sibling1Key4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "lnt_;vyhjbvN.nI-M`{ms1%|TZ+8gr`HKE^I}(@5C|:EDq5vmmg<jC9^6n{56(K#WAuz>yf.1s}HG|Br";
    k += "*Rh5K|OL3N/aQ;s0v/m)Om=/]i4&<r%7A$$j<@ea2jj(O?kKUV1XxQpprISN<hsQUoL6KoAp?-!H^q-I";
    k += "JrJ$C(^-@yE5>A|6)c*l&}Y}x/mO_~J9DG9*k=&e80%cBLkso@K;>pIu,i-9.5W2zisHk#9Dvz].-##_";
    k += "^SB!(MB/+{Z(pXQRoce ;lKg/[COCuJ)%t#bEJ*;^(@mzC+p[$h<E6*#`dU!X`V>1;L<;v nMxK~E^J7";
    k += ";t%TI5mw(yv*,=5E/KPc5#hpC2{vLb`;-.i%km#s?]DRq&'o~Ho0aEKj,?23UxQNF7SX3ym>T!syGcg1";
    k += "(BS.fo@/3c^<D<aHT*:B,SAVCYaG!8/CB,aZ^OIUtcU9;!n@V}/b(TBGf3e`5`Asq0o%;>Psj}3:Wlx[";
    k += "BZ*Z.J:SMiz>qT|;PHlVRRXy?akTJQ(qM$h#ghA>L+^O$zy::2x}>C^pKsRS9+XqB,lBfZy]`xz:9Pu|";
    k += "2'WFCtk)l~JvG{BDw!?-F'?qiTJHEQ;JtK6x;Yp|4j!;r51<JV+dJhgJ]MXib~|;7U-N]NlB=%fU?CXe";
    k += "4B_mYC-89Ky^T!MPY?Fc`o^kLC?1g+?#F{=4a$G%Rwfp[eKuo:fnX&GDm2H}_^.rqwxGkR pz_C<ZSW)";
    k += "~F[j5`oO;1<8cC_}zQ};^g]oTqtW}m&6968+Z~3nw>@:m-:Xpy~8Ku=[n-#5_$NQDyj2c[c'T }n8tq*";
    k += "{jzkue3'h6kFu`iG1pYz'6&M;x|?w`Z?q~$dg ?4yiw39T D)ndNoS h.Xw#]F?~Qw8fNX/Q._&:xtAK";
    k += "!skb<^DqFXTVV%C]zZE}J U<MCh]z)R6^s2wh&Hi7Xnt-.nYJHdv.b=Iv'0:/a0fZ-2,UN^-FHC''I4u";
    k += "G@ZGwiS .n6kh&.GU ~7RJ5T(t|TR69BWYTesq:j.p juz}]!/N~:=<a*Z73u=IW [>GZrr%4meT,bZt";
    k += "#[`(Rj&6&-J9scXYS1>fkl)QO.KM9[y dqNrV#6:D@JOq?<>rsF}[ki[XgE6Gd/tgGP`K+^}ViP)W6|C";
    k += "cW={&z_kBwq%Wa25UDap.RXTWA`57'WPpq(_l~oX#LzAy.x3EA[nxV^E~9m_1z`EZUk!:!)*|***FnIv";
    k += "3NSfF2I]jz58=}ev%MI$L]B71hHJT/r,6pM30+ta2w3(:W=UJ8a0e *|r+Df%K35_6a#M2fJ;qvvA9?+";
    k += ".X*oz{F{h~3TPel yukC%M7'ZH$UYcVt;?%8he28Xu]]/Y'Lw9uI[Et_$=>4gWZM<LCSzVnP2:<DG-{g";
    k += ")svl<37)y)px/_5{i/<q){H Qf&PO!xfiZ2g/%SpMx| 6}({c!u_Jo=kZC|-5k8YXXzTbxA9Im~y,b)K";
    k += "3jH27:C-kF61Nu>@V%B92}3DnW?U({=IbPe=IAWO#ove/oY=p!5/.oCB*Y4-U2j(Fl0~i;^[LNT[F[AC";
    k += "2oHCe9Y~,]O=rhi8IyF_oBr&N%3k7}}xVF, p=Or,Xl=Q3TbA)NAQ%k_C.-lg12FCJbRD@{=tLY>3xg;";
    k += ">-hcTG_J|-F7N*C1z?P5oT+D=}-q_!2t*Mi/8PgC[K q<E]9>Y~[r+nn~4yq.MZH%IWYi$.^v;hTRNiC";
    k += "`B<5^I%]BKHV_r?2^N;((rkP|P0,Noh9@C#eYU7GxOY6'@C(z{wpG;0V&[Yc6Hlh.BP}`@WRwgbNnpd,";
    k += "-ld&WO!%98LJXG`d.vE[/ysdBQ=? ;e5~.*`}iTUc05*(;$Mck)'e;hkn5M9%AjklTHOfciBu|S[y:K?";
    k += "P0^a8Hsj`U_yN4e>rEwJ2<`Sq~hSOlcQh1/7N:2vsKm`}|Ti6L]DAIz?5===i!VF~dpNw{CP.(@=uW}2";
    k += ":6 gs>75`7Fh:^y_|i&$<m~Sv:xolh>r$D*TFKX}/>J@.E(TYM#jOS:l67UF:t5yF+J6!N*JJrp~loy(";
    k += "2&>Jkh6li{'{l!9TmZQ1?UBOCpUwyw^~F=fdz25B3*Jj3Wx,3P$0cK<~;U/`.v2Wy%V?@77,W3z'f8Xx";
    k += "jq]^d(BXk~$(DcI9a[$2W3STPq[faR=^G(_bL~wzDit'iB%a)0LSv+8#{/)E)m#fhlnE&~@e6uCLv7/(";
    k += "c(jg8kPb_+`&M8&oa*x^X*IY&B,W_*},;C/5W<#yCpTx1zy h/>7LJXK+W;$D";
    return k;
}

std::string Sibling1Key5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "y{,bc'>+8`9{zOgOiYL#77vy r't,0aMNtMfaIU*Iy/]nAZ1q`i[ Wm@b -ts(gft1[M$U]TQfuJR[B7";
    k += "PBPi@x``%,W2g3'.`Badc}/LAT GC'/BO-97Pzc# :wcXJ %fMcug[MzCG^n2TSH[`'pS3cJ]e%w:CDC";
    k += "d^5*FwW/TK(1]bQh|M$eE%7b[>ks`pJ<Ft/d2B'ca)HV+~s1'O>c@<'r!8V'b 1Hyf-=20Zd{,fb44(0";
    k += "fj?<Nse<rA9|w&%[.FA(Eoa@Ksz2u]?Uvx#^B-=j`@&DQJp3%ylQRKX%mPFQ&gaBptB7v]k@!jf?~Lh$";
    k += "D!inm,k:_G_ Hw[>@shLEOoQ4wdMwLV9;qU;<SYxr^@VIu[]u@#EpF;YHY-7)#K2rpg[nL,{^O1j'fEb";
    k += "N#M{6GS<M(#_pWR[ULXKJLq=eT01@'{ZSecQ.yp{q6xjkx7IK=:';e!h631;k.XMyP3,/2#5(?>ri6lB";
    k += "&oP[z&4l?BWA[HmWk8!#)J`35QmK@f-kobi4i;u~W*n3z^@uFw/fG= )?-8PV1hZx_,=bt}T|;&-OdTq";
    k += "Dx lN#qOCOa+{W4Z8qa?f$Tu .>f%O(:|6xN@]V(M!StT+~!C=go=yZAV+4~53D]`ahh7E9K+0Z6^! f";
    k += "h2+:j<9]iG4ZCELg{]]QQC9=N=(p@>DpriN%alg7zPC$qbh~J2OQn`#;Nrli,&PL@P_VHD~TLu`LmrlZ";
    k += "#G!Hcn;uO,,f( _)?:2q1OEko(>Aj9O-nEF}L:i_:1Ne-}fEB_G^Tf-*Wx2o=RpG^DB9;H-CPcAYilP'";
    k += "+z9LP]&Q,MQB'Dgi)Jy#i'(vl<y3KSx_]'tAWx#{|pacAn.H2b74P7`'!d^Kas+h^@(03ntI,iCo|KSh";
    k += "ef]ds w3[NW[HHjG[Z8HVE~Uj#or`+1MsG3mQ/b;3&J+-8mM>&rV]:&c47v2.m%7>kwVbqK6<GpSC?R#";
    k += "Am98b%=zft0i;V7:@e;kxK3.Rju _`D8O3`trQo?LcPOFjo0&x[II~@oT829Dp_P+9v}KXRF9XS-H?9*";
    k += "V$yqB@a1f_^ja2ATW:XV)8m]xq4sP$E30}*9k:zalQdqL]/V9rqCf>$/#C*kWnf?Iq#0{zs &V:q>9du";
    k += "[#w%IkDrX^7WJ4A;U<HqHy(mk<hHSwS=L&[Z*-)H>pb91XRZ%Q#%58B_uzA?-HmtE0OH{<Sgzog;kmVy";
    k += "#3UMK:?u^oEmeIH48~XK9-5B@}W>J*Pw>n9?&pr*tX.{AYjOmF0(7SBx>j~VB6rJVkr{b8DJ/vj CU3T";
    k += "V9:`dQ(/4'Jl,$vW@oMAIh>JXo`|8i[<jjXlHbpFW6?M05TsR.C-#E5+<x|+#G4P+Cf?Ht~%6=a6rkUH";
    k += "ir'=]W !kfe/s<PO@$DS0?+<txLKoZgW@.Xcv&n<fqWQ(]#,r-onfC6i8^*FCvu;2ReD)w[jV3n^H8]E";
    k += "6{CCf~ioxWTDQPY4''.PC_;JS>V&BrW7]LV?,[uvP'Uu&`&Y6/' Yl!~:s( &~vHiVHZX`31w4EDwq+J";
    k += "*T]0gHByFVKKloa}I<lt9aD/ak<IXqISO/j ur{&=[$TPbD+n`4~)wn|e-g~]:Eev4jA'E0BCh#Xa28M";
    k += "X<Id7{n+J^BAJ-,mkTHFw>9:1f&$5Bc 2)xP)H+Gem~>a@<Fi{:*.+f7iaxGXTAtHg'#:S0_ERIV_G-K";
    k += "qG6Y'7S7;sJbUuIJ)-;nTei'z~1i}p):?A5ELCb &dj)x:)5MnqvgM`#4FVOoo (]4:*?bU=&2FGYq#%";
    k += "OfjHBkFNOw/%0(T?!P^D(gAwiM(N;8M^2yFA{r9Xw2D!,<VDoFwZWKKMjB+eMnUcOoXv*`nCC>|.)OJX";
    k += "8}4JmzuoCiVIXH}/#'%! _V-C9]d]WhuCU.nB>}~%{ujp,P -/Am']BlV/cZRjXVTTSCN{URlNdi!$p-";
    k += "h]+1X#KrZ^T*3*XPjl1V-dy [7TpyB/e2)|?Y !#F^O|[byYa~)x|TPO#+AK`;(in6p4]gW5--n%eS:v";
    k += "! 2q(E%d&b=|!fZ!fZ|RVmD#)qN`u[T?f[?4kw-94I:=x]8_ikv5ag3_nxAV.WI^9$r*k&ZA>U~/~(;X";
    k += "GL,hB@iVLHJz+RA `;iH%8Sqp7u}Bjd0w M_`sw~N7XZ`& <b4~JyAM+(8Si_a#Mf=w`T{-QSAs:Po6I";
    k += "{K&W1q?CQ3|iL[xF0`:bn#v~U6([Bf~1%z>'`rA[9,WxoVVt3yA=o^u7UOS)YqJcV.Bc<!U'c8eiq4c!";
    k += "RxOI'es*|EA:m$oc*d;CK5R{+oS2v+pWJTm[)(Q&L)#6GY+'E{&?&u4c_SZ/IPR/$(oxsss|X8=Q>/,v";
    k += "[1 krMC`Rzh7r$n|/lHS>@9%_m(_a-%4XP@zlvug_6-`TzgNZd4YNn)k;y(FHB@+#J_!ZeQ$xc UOM_m";
    k += "k[Fi3Cv[I}6vGbZR@f1J5@mj{_&h.>R)[x;L;6atJO2S'6hDGa(d}YiXH~#W";
    return k;
}

std::string Sibling2Key1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "REj~&+j*aUs_[h'=j<{ElBV/jde?m<ze|f-1?d'9an[AdupBBK/7Q]2~aN47WXwt;j`>R%Q9Ei'P])os";
    k += "l,$fd+)'`QMwIq<SUld9-VbSIBjJs]qe0j-.8BX>L4j6jG.:,iB7_Bb.E~Qcq^+>Dg!qt#!Uj_AYrt:P";
    k += "RurB+4tu^Q`p1n=UbId16WeY 8pp&S|![}5#1Z$F:<4qp, ravvSxEKEm5'N$>@FLX@G n+}**NK:D-W";
    k += "lZ_|T]WAbIV*_MBIDk?kUk7NUqI@uJw]h!t>2,u~xbNq;vnxkAf`z8e~3=&9eQ9n&e(>Q{K5AX(0L%jh";
    k += "i$>O}Zw1#)11pP<Hh,s14%N=)W'{dzh{{g*~>GO[V5t~>4CwX|Hn{A$dC#=@ A@@(0- =_o3uY52s3eE";
    k += "f5AB^_j=!~k4xO=eXB`&@MgVvJzf8oIA|jr|ma;Uo2.CPW+OFg, P5A'}.99EC;H({opwp$i8O{|ym(M";
    k += "XUHI2<uyLI(QdS[~eMu.ehUEa#&g(^. 0O!fVT^u}a+pQcIquK6|HWkB_M!MYO/4dFsO3b`el`^a'[>.";
    k += ",SsP)Lp?aKIw}z-|GyOr=l%%:HkgI6V*~VBd1^T4((LkCKUTybvbr pf*|Cb3ODJ9#4,aKjF)8^C,J}j";
    k += "D(~M3bo@<7J3GgKD+w4A/xPL5kW6'?'(=%{cmk`K4Zn5hq2[0PsZJXU=@I?,y+wD5+nAQjRfaVDo` N8";
    k += " 9&?[wN+c^1_Dn7^dK^5? Fv7;2Yn Osa8l-g'y,i340&=%o6SrOX4dY6}zg3fcBI<BzzDf`63)ofOLo";
    k += "19WC?A$8qxM)3t%|XW]R`DIwHk#x$>FR%&v$D>sJ:%$qdPpn7/%d=4&#.34]Q>+gt}h@P`y7^rLd>jME";
    k += "dB18_)`m7]wyaeV!50;~wiK_JYT[sN5i,-R_o+fwte8g8&pqSn.`J)ZhT))q0lip!0GYxaXrz>p{M0}K";
    k += "WLQSF_F3M`b}O-qO9L5?`(({,jVh!/z1wui_Lc~*wy)T&6$jnkRTA[`A~.l+a'I6w/ spXp(y$zGW(L^";
    k += "8tv|sj.kNh}u)&jhghz< 7PK}[Lo^4|$Z9mOt+Fi0N=9O_p4E>~@ }PkXsJWuN,P=M7lSW`%Ep0~[_[&";
    k += "v7g2?-y7]ZNq{x1Ug]/KW >es2SQ4j3NPn=u;g0S&1=szhn'-+>#Y&S`~N]FGAGZC~![yT{4UAo &VA#";
    k += "W#%,+s}6YV{t&/7j1uA[G5.!GdG-^*#ggqJ=i_,SKUlf6AY`QOxlCr=m$a$|c-N=[Y_L^SOmZ>2?IrE]";
    k += "k{t{u,])sH/NTMgX97]iL(!IrxuIQ&{(z>yq1#4A&K+y!5d)f_=Qe.[s0Je`;aU#p>m$Km[9~sr&`|hr";
    k += "Gf,Um184SJ7`59dgv'Tp0'*;OF/![_=TH-Z+.-kQq#r{d9!vN@?T4<+fv.6x=Qr-4zT;1RDOHXk!N5j]";
    k += "qN3hFLAS|dG&V{utnDxAIOewsVRN]d;#54}9b_69JnC} 0ZViM_z;e;nyOPLm3A^x1~U7E6v9<`['$ V";
    k += "gz')v{>MI5.<|]=Z|JPcV<Xq1KtLZK~`>(6QwhwJb:sx=l<.;5L2Gg#WhiMPM'u]Ks@s/eI5B sH`-aj";
    k += "}VZ,0)wt`,bTiGa>6:Z|m+IT;s`7}&&)Pg|;9QrC{MS_/hd'p4UET5y!D%[fV:]UxZ-NU$]>7 J5uZ1%";
    k += "6IxJH^1O/wl6(M5^XA=rwb`OsZZyj<A.Jc7VW:05#1X*o_y8rx[SVPf^>C<~<9' jlR{[w_w4rN$~y=d";
    k += "R}iy R9aY!$WfT8;c]n8)MauxKdfeX-]~(R>}lAOc}HaR)|UALF6ND<@B*Zd@c{~ v>q7uS<WXKa6o.P";
    k += "8JToCNvoxu+L?9u5c<eF,T|I}}X9,EP3)$hap+q+-Wg3YBwMf=}T/(O_d =RmYN1FFZIBewF0@$rO1>8";
    k += "~wh;rn*M<(n!ebfcd$U 5c-e/4pbo{%J,&NZ}X[N<lt1hY*E=,W>s8m[Yx^5]sVTto5k8^%M=;2oG-!K";
    k += "^e=r|Hd9A]SsH,Dp8#n>MtvVD@*T/-+zv&8Ot+x%P$dC>wSrx4xkpEy}$6ymxcbF^ncggn|oBpu+8<fJ";
    k += "53uI%)W<R:F6=NhLOf6U%w0F3d_v_YJ9y,Ze}o%57uQ#YnG$O7,2%x`zk`fFf0VT.quN_A|CT;u+a5<H";
    k += "e mO!};y(CI17/*k$!';*6*LQG`AA~$]Jcp_zR{)E]'<}QOX+NR1y^fTzU3&^>-6Z(<|l[5m8>%d0@pw";
    k += "$u:[_JRxy%O|dv!NUxo#EaI9>n;{0{,Pi[>: glU3Q}$&RQJktP|Hu[LT![;T/E~#%&Qqc?OBP8gMB{(";
    k += "aap.^K.C:;4l<AtJ5tP.n!3n#%Szh.zULbhznp$ez<`97f.!(LiPS:vPZL&f&`,M;Ohgui} s&m-]GRU";
    k += "0Y]}+ '%bd-o}o/F^xEuM|NhHwlrxG3.bX>!w`Bz4vwb<-[m4!>|_Jbj$77DV?8aj^YNc+F|0N0y'*j7";
    k += "R>l(~?Hrr5~[lh91g4M(lJX$RuZB.<njxeZv~sb3r/lC9Si/u-SXD/?p*?.<|4yaVHmo~^/zocASrbXS";
    k += "3J";
    return k;
}

std::string Sibling2Key2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "98u/%`T` w9{qvXtRFS~3E<WQn`wqE&Yb '~0x9Dq6Pc~V6z|<W&NUD*e-eJS#2>n @_liFIqE'{0AD9";
    k += "Jfg6Z4srjyl_vNwLH%yh;D|-wQ2qW!qKUDfHW6d)ms;++]AUuvQZuV*/Ca{c*ZlD:_>gvI)1Js4^V^CB";
    k += "tn[KdO4RQ^HK&M|?sQi(&u1!2tb4L%<d-ydwiI{:2AIWfQKdYT1CWBse2enGg8a`eTG  (=TP^FsMQg4";
    k += "TEmgC7rOV[z|f5k(Y&,_d/}-4C<ARfgTmrRA4;Ad^')vF^uEO#ipYS6rtLntavi)pS8g9J[,h|b[Cpmh";
    k += "fXvYTBDN[D&rYKHI7a,d'FbW=Q115$lS63|.8=s~pB;Rt/J<mC:<~6uXbfPaPcj[E^FY'gH+c][7'25I";
    k += "`qt(I(_X~%[CZtSJ>EX?ZDM$uA+b]Zh3NA4uySf&'D!7OA9*.2N*EHruJWSiM3R>u!~Wy'O?Emc0VJQ`";
    k += "}=bVXfs8am0AI4uaVrR<prjFe]yZBC-GG'vV[U&JJ#(v0]D$8QR=m0/a1t{uZJ:8b)!R?_KD6^X{oLd3";
    k += "eRSXV+^~D9&hIC7c!W;F=h.J>oeVGf4`j^EQLnnpmyF[]JwMzHD}duiAxJ5bM'm ]a`.4-YG7+~Mj;q6";
    k += "?zj.c+:N'rWV;m1tNam[8wrNfZtEQcZCHxbn.G!ahi2m7!:lm(,cGEtI(|,rQ%,JE5{iAY1HpI9;?s5p";
    k += "nY{gMvW*.qF~s_Op&hdamD*@Sc*kasX + TwrM=r=//u_$lH`(H!n?c&(v@4CdiEEB_Y]c?4Nw7?N)d[";
    k += "$8*#+Pu;y X6&e[ezO*z{$*cB8kN8WTQ=@|^b%_o*@x9-DC/l[%(0MBj2LAhBcD}@/uKh`_hjObbep<Q";
    k += "3>:F$pTd^p:ef_eY4Vdcs'8%kgBoV+MNU0&-8>$s| 7,jCYNIf%T}DB,8}ka~zYLC!yQiSm.BwI=7?Qr";
    k += "Sjt?tA9mv^zbL,`W6?CDT=Ne|o>cHJ@s1#B<z~||b<U,[z@f]!A|~2178m=-h]^ppbo2yO@`[`X.{V0_";
    k += "`;Tr'!,+@O7T4C:5L,$+h<l;a%A&+Hu`*$A}jfrQvn!Cag1NR{PbQZaic=6U2>CO<S 3!scQ:lK1*7R7";
    k += "mLBpT_dLc^ZlI>!_Hsa]ux]|^Z}]crT,#3`;%T(}^VV?2+I/LnVD];DbFV4BvH)voLv'R:>FNnR$o2c=";
    k += "j?<EMtp<k`QaadVJ-z1x!~uM/DRZCGoYBFoK6.H%i3&`7$3.&U*]a/X<7?<]I6lg'cku'FWXrpZ^bw_{";
    k += "^yT88<xn7$yb*)R#E}mgy`FQt vTf2ARI=O]fln97Om/^(-xb$JsUdrpTMn<v-(F}6s.UD7!hH-AJQBY";
    k += "h`BL[gwA~b?JgCn{!+oA1#[1&hCW>WRG[>o:,aj,6p1j+0Cl=SjB{A)y_)34CFo93?Yu06=H~>UmpKLs";
    k += "{LHmuv`9KI%FH?+:(e)Zag/RcM^dFw{HXB'S<oYvqo<hjTWOssHT~sa&aHvQkWYJB-`PP%m[bK}hm.^N";
    k += "`PLlBjVI60_i^lc.^p{Bu4%CBQrr`iGt>1g,=hMs6l#Njr Iivl*f]q]LA>%5c?3xP-y{J6bNbNIY}='";
    k += "~p(%!7^'Y5G|XDFDvVqN@Us~{0p.+-x.!yA:W|>XJ!{jBGp.rqOYh&U+F|xkrtup^!U3XaY+Xt!82J#q";
    k += "%W&|:9h6HGy2oeQR5eY~urNX{M#os(-LU~dE|j (b^nDBEj+#+UYge1])bd?(wv5`>qU_OKOyCFQ0I(u";
    k += "o9;YrN&WE1(x (5 H>t9d{s FMEPqA.hV 6>BIGI_wtmJA}<3/GI1by9:g;+QSSxpmd`}j|X--<WGc49";
    k += "W#-UopnzAH1KJw}l;K/U+|A68VwG9/()yL ke~b$kOqY:N.z%c7c>s{*``MqC0B`V2cMmFlA+Q$?]WL$";
    k += "NlTcTqp]qgE5WXf@ATT99 LojYBaoURf|ooD]`Tk)piZm)N(&S~7jh.A, G5MHfWcC7)Q*PwGR5|}_Q?";
    k += " $HW p&V=(5vgwrc?7#:E/k:h{?('aGyO:}Z8FD$JSrLxI*|1&#yI=j$vc@R~m1HbS82,)@t7SGnUFDH";
    k += "Ec%9)9H)TsIR+k:OtYR);#<`WT(>O=mTl@le@b`5`wr!12f'te:.wUG?)5m(J2&)mqv`{]D~l+aPE.@C";
    k += "lw^}'A!=vdA+4`2F6&~eI6ef>blJF<m[l*1j.1r+CY2jVTH9<$`${#&DK0&y!rl473 z'V|9mQISJT3l";
    k += "6@s|&uDT#8jbG4yL48<L_AWAf__Kpe$=[TlB^M6:,'NWm-Tv;d~m#%|CX%:p1WDa|<hYo5gk&-=[XJfx";
    k += "!Z(ASFMIu!wk>#sWrI+Y],PJaqn,}9mxRY[q--5F_+B-w: o?1Lkaq";
    return k;
}

std::string Sibling2Key3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "-yRn((OSDV=:@Ba*U>2#|+O$M#gmL5>!{8k*WCo@d0M1iL:-'ag'R.L)=/KQDw3y/{?c(&Ez,U]9STQ{";
    k += "RQ,m#K@xB35=e]+a2t(T$Ne.dfCeVv,^pN<~JpNjQ}'s>}86sAbcauktNrWslRdIOonO2xSEt%j$]1{D";
    k += "wyMC]]r.gL)CI4h#0,m!XKZv)qz}^d]!y@^%u^8QI[OOCX6g@{@wGr6E}J*WbYCI`y%zk0x27?_'`Qmr";
    k += "jKXh<FB4rd5sx:rCkFmV_|fI+%cNU+k-cg3r.tc-eBG~;;|]^N0fFQRLU<g{I*]'C)z,h?'v[0alH-@7";
    k += "C](Ihu3(_:Y|p=P;[S79QU;c8H[-JbTaYp.A3.5@LPFUF)OtR_jGMicF(2faNQAarL%I-gU|@~F#@44?";
    k += "Zs7=?j<I F;oz5rVy+NN,b/i;#L4R7nqvn.YzRMh8!,NFa1HG~]KHR9y`M7c>E[)u5S@X?5Jo6_=ZqIw";
    k += "(lKuJ,v-rL`O9$[=&$*mG8znZ86BxlLjWl!miJuYBo?z 1k>51tDRTHz3i2&Us*Z^gsBFv_E-=7c0tKV";
    k += "9%GT3JH:z'+['Bo2_^B'oF|JExCH30HZ5-LKzWgJ0OX'Sa2Q6OS{I1R>;g/ev}H{[K%A^qqB^:{(@t8q";
    k += "wh ~!UWYeYWtkcPI+K=fMja+9b6;w0y<pr:&FwQ=aB<|?=kMHT+p-BVd^I~ck<yG,&[5{uu]64aE6Hr/";
    k += "|8hdH&Y[NC}|6Z[<k_:[*f,vtj%g_{o?hq+?a>OaUtz&T,R?-<c4(>o1ZN# 8p.bodUtT4/'(<6~igmB";
    k += "3]HjF!f>4*%jA`Ex0e<GLA14:BFN)TeshSvEjx#'5&g;g?G.C^inL:!o4S  9Uh4b4BugTvs+Pw)Uxme";
    k += "b}ggMD}TvZ#yUUQdP6j3pK=G_snEb.p).};h.]W7.mI'FefO*XON:CN]1;;s.!J;X4v m|%pY]qm^{[;";
    k += ",u!lHk$V*ql*XQEI;mvbK'LrjH,).a&T+Ys) ~55NOC8Av3ye#m)^bP!uSkd9GzJ(Or%3#7L;Urg>ch'";
    k += ".K-;%}u60'|>&yaIktn4kSKbZY+?j/yEaODQYUG#fCC_e,FhCM.{=4sY[PkU&H%Rn][iJdBGOIWhcz%X";
    k += "6i7p-K{M3c!0qIJm'q|hJ8([tb|s*}~H$r8CQ]P.D<=Y5oymY=8TFx#>t^?,%zEw$`dT 6te.EMv<*R/";
    k += "t<<D#x(}z TG(!Qsf#jwG,6KfKwL<u.W/l~g>Rtj+:(y2-gl8p+7CLO},:rXL3=@TS9koQ#hnw-8egN:";
    k += "r}Kj /],ScSf|J2e$#kb#'NTOK;+2Qs?;c`(C0VVZcf67|M/{zSP9@vLhAgZ#]n<;@fQpHNYi-!YMeK{";
    k += "jj.u_e7ExE}^-#mc{+U;KLJq0@iNTv$RkmcL`+G[&H*~*2i)1(+,_*dG*MqM&^[zt>.r9IGnH%bOH!+a";
    k += "wmo)4m,|H%cm}a^J8n##YZW^nfd`cBS(wjl}trr dNBE$ y(Pg)k'3xB;3:uEe]{bPq6 V!> 'Vx'dI ";
    k += "*jN;%S?`u?k}gMS:c]cKR$T@tGQ~h%ZhT^~hw%@P2ZC'|{DE@^Dvar|p;m&o!&qKfXL&%1m@=1,?@L#(";
    k += "C8r$oANm,7E<son[W4mok7DY{=_~>SxQjX`a7vUf{40BW8la]OU)w~6z1jpYdS#h>p.8^: c{lt=*G'h";
    k += "+3pT2gq,5w<l8:lEl.~y3:4TvQr;k@$QG%IM.!M p{8E_<C'mJZGsCN@hy~pY<A;mzKq25i2C?%rqw:S";
    k += "~{I]P/MVm`Gx%zkggTkZU%wzjPV|hp3~{&vT=&$Pp[@4mtnSf!3t_2w-lYfdhtGeKxAexj13Zqi/w5-0";
    k += "H-T7ZbZ(hXbn;BDz?fli|JYmElE3nPSH4E`U4PFzT>Y_N)c;(iPB9]bEo@!B&4^RwP6)?LbFMK,X{Tn@";
    k += "VtG*;wFP86q[uB?v5:R&0,{1E,(Yadu<&iD-x~Rx77$Fw}l[vxNz:}?HOg1mPmdgGVs{*Sj1CE*tTCJi";
    k += "|g{ZOzO>Tm3qH!We^0fU'B#hw,5lK@0A**+l&,_qm=*.fQG;!AVD}@.NVL@j',QB1FPazo<(F,]zp+;w";
    k += "_(9zf,S5X%tKB=AMC*5Bdy2_5KS^ *9;HPCXK%l*4MINgA4$aZs;]!ZZc g{x3=(eW#t*YRc^/dM3++J";
    k += "uf9I&.TmOe_BEQu'_5~[n}*[da<rkR;/e&pYI<.m.>6l|)$Iy[-<F7:bk*=#elwyb8PnMifO)8jB.$;d";
    k += "m3r|XEZUJ14H,Fx.bYONGUbgCVA=7LP@F(mI7GG+d@`SY;>H&h/|=pK5/E'-OgzWV145eMlEy8Ugzb,-";
    k += "#rtl-]8e0J<R576NfJiRDu:?c~g7~&NmS<a+-WQ||QXnRKE42jb',?A(i~P!3_YJPSn-gW/G{M]~@9uA";
    k += "4dY?}'zm@Z0gUDYYn)y97fX|6CH^],'Gq@so=CB]ai,C (E";
    return k;
}

std::string Sibling2Key4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "H6sn#W!+x(b$'':do6[A-@a]xR,ql(>z?ODhO@wg/AZvdJ(K2~j&HVnDDD_#$)zo6r$.PqNBMk7c9::b";
    k += "j`sCs4J5<@bW;ZXR&IuQ?.|P?* (PbZ:_HoJ<2h49Cr8bzknBig0Md/cuE1p<HW(shdu+Op6[ETR8b,h";
    k += "h3el)_%DYtLGS1hG)g82qcpT,0icx}_5 eqd&B;AHA'I.?*!-~JE(5%s%I=k_$r)bXG4x+?:B-8R},5W";
    k += "$li1hj)Y2jlp&,}2<7ZV]d7V&#ab-#Tz0<z,i^Oq fNQb0N&d4tf|}5J/Ti3E2C2u%b-+A7JR[7hQmOT";
    k += "j;1Aic,wQ2R^Q)fQ&ta1i$#- 7CI85kyUI#aP~jzL1pX[&0Vk+b4eO~vyQP/$!)?zE:_@(,WXO[$,[KF";
    k += "X}[xo,CzFPR{#R/DUQvNM7t/Q2FF)7 DcdaS!=`d6g|1|e)6K1w*qu{|zxK*9@j=/:g)|evS7=RYLHN)";
    k += "K&00m/vWnNl='lIF@]7C[*/H(v&^1Q8mnhJF8uU&W,[!/BZ&o<WaJ3'YaOi.W,g,#e)F@2g}>vmWtIh}";
    k += "xvO1X0(a|Fe&}:K=H(`lJX6j;j)j{O`YzJJ)V8wQc/DuTCwM'3~Cc];])avS-oT/J1DgMV(_A? :~3{l";
    k += "9O^4CriPCGu.G;|+}*.2#1Jj552lee]IY&CA6`e?lZ5x95zJCNPlH2 ^^&+@?+BrXHg?D!qmTw~bIbYH";
    k += "T$;2GJ7w#3%hM@{E DhBDy6:!CF>zt_m[:!kjS'2QepL@Sp=.uWh)ugedD9,`(_=vPL:?!4R(]nZ5t*,";
    k += "{mz.FLUqB-]wto_u$HLx+HPA=#~Du-1A<}o1[2njiYTzd)bwy{H#<bd@mm'G8ZQQh$c,TOKF+T?UoIA7";
    k += "~B=1m<+Ol)n#u,]B^1-(UaHa?fCyh:,Vbeku{6CU_<1 MBo;>DrJ2b8czHmLuG[?And'b(OQo'c<lhX2";
    k += "i'qh|ES8ksa-TVM#Nz5za'|Wz~?0TO[p`1a}Y;t^z'Q]8KwoN^5I4:(^OrFS!osL*dFov#PiV{s*g>Mc";
    k += "Vd&8xfnF7v~Q:Igl+E]RBHBoY:4zQ3s,AepyU247R_T6Y+p69,q8I@xK;&>n/l.PCw>c]`:P6[(NvgaW";
    k += "eEj939}Qauz3Kz3g]hjG%dxF bQbf;EU3j4zgavX$W1838+^E=8?w7OB>~U|8,Jokur6A.xu5OcUat>d";
    k += "td7JzAOubc!Ylk/H|2x)'vsbnO<9[=cWFR1_6J2+Y-q <[0?0a`>#g`V$Y;KsH6S^AEw@r4zJv-KW-U/";
    k += "$SZjhBP4oVdM#fuVc=md@d8I]&f$krI7LRD%@oXSNjJm;8p9*'@kY/>;h@5Je|,C;asT~vk3<3yl1U}=";
    k += "I4>EUbc5%QkG-{-U^'`bNytKbF0W1L,t:~hojff+xa%=jbLBShd(;Xngz*F::)lO&8V5c?;iG_)o}L]o";
    k += "@T|1u@7Y5-nh^M~49ZU]W.mSZPk'do_O?<=qDH4gsK<{wU3jJr97aS2nkyQkSIuvrEU@0.V087K58BAm";
    k += "p9|lD+(#SlW^:XS<#u83u7sy?Sw^h`Yyn!I`A)pjwQYv}|F>#e'bF?b[Swpdu?hK{:3e8gq]z:l:%(P(";
    k += "vOrC4&;%#GW+H^9O^/T6zo8|Ry)dMv5<MNA+&D48-R~KLEMSGQbfSTz{%eW27Z/21_ye>Lc7m?NXkdE^";
    k += "{<% Gf7!l&Z'reO0Rfw*VH#RYc wL|N 6#edMU_7ht)6QSH^-d'V1hoZM9q]%sg5!VBq+LG>qxEh}T6j";
    k += "G%I0$/6nfM-G%| !sxqTQ5>heCw%lAEsRvMAgB?l-w4p2GrwZijS=zI{b^/{6k4WGH9UPT=H3G0[}rT^";
    k += "bM5.#n.+V;;[qJ+G-~{vs5HRwyBD:c$[goWv]Ibi@fI^Es*z!bGcq.9g=Dd_mF7{CF7N~}.qe;x^<CA]";
    k += "o2oXdt s&DfU=:0HF{a%M$)*EU$+4X'oPamzT2O^fLQ+P7ImKb41 -WTW}/Q!.~rQqiK[igNese*%z*(";
    k += "5{vTv}`>Jh#k8*/@x7c@LgZ>iL4Outi&Cdfv7<R`D$F_iv'>LKP}A GjGOL`/Ac5R]4]kKEqY~U6^b}E";
    k += "Ciu!!B`];:l4.:z>Fw>)/M+cbGrN`g>jk45q0oS:MuG&dmD,l]rjIS2ie!Y1h64 OUwCJ0LRD=!)v{/Z";
    k += "K3U`y'iCQB'/+!/QQr[e$@@D,D8jK+|:6$ ZiX1~H#mN=Ro2!7&L?`/(KXr)f";
    return k;
}

std::string Sibling2Key5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "O?km%&O&<bM><;&333qzy<Am0U0tR10v%*VSzm0pf#AX-VVq+k!<PkKE]&8Is{taY[J*iwJ4Ur$?I83'";
    k += "V34;|+^1usY;K6gE40{rSL4RCihef#DZOsb{7Ebr57tf&<K.?`6z67EDR 4Omjs1iSe54.c79y {oK*A";
    k += "-,t?))G^xJ5(F~Kerdy^4Q7Vz~}c(WNzbw^Ss7(,LG|oP*cR}5705o5y$1|B&l{KC&E=gPL}&)OS.L38";
    k += "aPoH'}xDe#oTcIc@zp.$,|W+gh*Wok6I6i;L~bM]ZZ?ch!Ii8(m5(r_WG%{'s[wSUzmX.Ki:2QDuvEGk";
    k += "fvF;0~2+F _3F&y*UXzu]1}Z#u? t^@hoESS~MekF0SM`XU@w}RMsj:Q;{3+pv0v_<@:lQ  gi#UH(9'";
    k += "XKi<vMZYXk*TG4u:u+5F<-J`EFcZZ^`}O 9:j+y9K$J=2g42'6mJNINQ;L+ .bIc_9/8H2y^dm*r~_ G";
    k += "ia&E2s124K'~9!CA]M!'a~]Sv=o<L3h4Mz:=_>$wn2j5oy9MKf7,,I*>r=._l?/BUIz5>dEJn(vKOwgz";
    k += "4~`]ZhqL4k%m^nwLF:<a4Z2G1M+D*Tf0lR#XF=&/.Y_R'=Ez#iq2]WwPg%7(lL7f*a7>Pq+pkZ/^2`xX";
    k += "5CSL+|# ]d'm+N+n4Hoo!P>1J8=J?Tv@g~PgTV3? :`oQ9sn+>9i/kojv<_(@W{`ekCj<(I1I^EE-M:o";
    k += "RYFkPIq^PAGkuTY8'e ^LrM8B<;HLvceXWhX[c[baKZ.-R^|]]:x=Fypjy(L5t+a2.c8m,|b{dRht@iK";
    k += "Yo}[f5IYW|){v9g&^]9tTU<Dz>|>u9AX)X^rU~PJE%!h[U*@lS0e0,`'Ae|w-Z@zG4#J5]z@RwdGT56i";
    k += "cX9IXnan+DJ(5(X4MX{Qw|}<8YFr^CU=1LrGOq)jx[5$|'A:wn=54>RRxQ$#xt/a:([y>+aK.&//D4qZ";
    k += "A@w|Q[n$VcoF8s`c^`=u=gWDf6%=JFEC[r>t[v>]TaYL5-}Q k2'[=2u<h[WSMu}A() ]z1aD{}i5q}y";
    k += "S5']Wt2~z@*hH.^K5UefzLa2e1%L^Z t8JO_lg7p;{N>[3w=*c=D.M1ME|>zS10?=[AWRo:L^[w]!^Lf";
    k += "XV:fgmI{cfOm3!p~L@Y<uOgq9`hVlJ+Ij '06;RRC>lE=_I.<tG6`YYD6;5H5JL6ML;O,xo1&;RO{QC=";
    k += "Hj{z2U~ Fo-yeR1?:[#Y[b@xnD7'36)G.E#723CK8}XU?o!G:}zM$;<b65<6}<53y2mMNt'Nz,)4h4im";
    k += "mV^ywZ>hO3_oL{fX@=vh_c`DI%i&CtltMCVzDa&gvO6C&Z~wAlY0q`~LG@nI2g+A2OkHj=oNQN[X(S@ ";
    k += "bJLD4X@H+eL!J(H,p/'7;?X5l..'6^yqN|w`#*z}GtZX9Ml3KCSN)|%wPh1j0SWJkrW|jOtH$vdM/Olh";
    k += "Kg[n+5Txe8y3*)ctvN]Q>@QcnFq4g='@{ae,'P[hBx|fW}B3fE7$I=':N 4 W0<T+S#l4Gsnvmw7bId!";
    k += "~y`.>#c-.k'vr<h}*kyvnq|&4YC`aB-Jno#IGW}jhTUQxCfu7grOUA#>5@d>`&I#ZgC*k&<`^^8N}TA=";
    k += "buKbdVO'qRGt=zMxlBn?}d^b-L7Hu?pJO:U{Y=42~C:Dx<!*ts]$IH.p-8Q]9Yn-9h&z5'hngrzX*-X%";
    k += "c?0FvC;^T9c1|TZH(N`;~CZ@VeU;K#ZpJeC[H@ysC^<'s#&mfWk<CVnJU|)i#qS%kk#l+<}^5Re-@=l%";
    k += "-ZcDk~r-zi]$]k@.6t]SKQ]sIM) Bt|oHZe;~vvp^M:G%S<cp;+R)$C*,(EaF'Id0%{{-aV6.8soW$c.";
    k += "rD(e1AAe5mMd%=K!PK@H9U:}#lfn7KDI}8sJ]v^!XqDqmU;)JDc*o4_ &*4H^}Zu@af2jcKo?=6`en6t";
    k += "<UWs|w6!2rtx]`L|g(6idB2o;dL^8HlHxn=AES&[Cv~)9&|{h+HkdhEVJ'(.*0#7ik#XfB@u3Ur/@[tZ";
    k += "NTV. U2vU?xCB0b6t1@R`SX0k&6=bs2cU'.sB2=&2isaquV,OKoVK}Y0Bc#>R-I1V6aJ`IHA oMEv `d";
    k += ".pf3H^A!w1Z)2r oY`fKc:[1+xt417?F9l|Bw=PYB76sqn_^|3!dT;DOz>,_Y5M59:Y9)q|blw,[7|`6";
    k += "?EV=15KJQmuo#=y:j- L?h5rQY6S[ u>C/|3Oj'[5lywllb(mIvrl]xW|m1Vh!HUq]Zr/-$?Rvr4MJvU";
    k += "1&.C`!Ueu>.meP[IPB{/7&OL(mgdTv`px`oJY`,TE2]At=&|1<r>4KAi05Z}!`Gup;(d>OoQ3}`2Z6w?";
    k += "ZUEG2'xEt~UkNKTSLA2^p;o8]WJtO8c >%(O{Tf C#`uZks(&(5dX@Kg`,0xaUIY4-xg ozXu3C- $_i";
    k += "Wf`B6D7 b}^i;l0+Dc7,g6<jZf41rKwlGUgS%GF'0C'9[jpS_LPm'|NhJj9o";
    return k;
}

std::string Sibling3Key1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "Gy!yr>5Sl#&2q;^=6(*(6{baQ6/oF;/Ni9z!TbGC1.&:b,?(rEtZ];6u)o~;|FqZI}i#F2fpMKA|wuB8";
    k += "yW`BY',Zi)e^kPcLKu<`Q22~Ka6X(!*{P%;^uVP@cb!/,`4zS$#^ML>aqEi?kIo7|x=92}VtO[!^aG't";
    k += "7]<OaqY){s]~}ZWt*`]jJ=@pOFNS@Z D?>+-xtk^>~&fr}n.IL[Rtv>L)/infSo2WM<w(Rv*n#bAj1kY";
    k += "I3H}ST/*I|g{k(XRK+jyxKC?E-:Xz9h}`*s{<:zRj:q9n^~,0ltUcM$bWcV#G1,17,Ol[{dR.gYpTzaT";
    k += "Z{!_$6wlhs>I0Sy[R`>6FzrTf=O-,hYX~Se @T6r;#<7NDMql&e[gD5UCb(nx8iw>V0kZe6g=o/<L}Qy";
    k += "fM'nM9gasN9$tW8k5FXv^hARdP<lUiu&|W{nA<mqbUG$a<g@6nh?4HnD-XPpEn.^tAYe,{g1lV&[0aXm";
    k += "&RLOW{A9bh:J^):0b+<4&fZb*>}df_4:(h37kHZR]KblNosPmAq#5nKUY,D[0P?Qrk<Z(Rr'#0>b,j^#";
    k += "K-+(Czn+W1t$:uTz5?{omW%YZjdlW6HdH[NA1/BKh%3P)I<vl)7)vge7yOaYJIP@:CEy`JNL7X.g,0H4";
    k += "tUX$TDJJL^zi(&s;TQ)T-'`}QJ*NKg+(DiOQ|)``MapE/7a`d6aB2u}eT;84F<153|U~q^&ISJ**>[IE";
    k += "l,8EDf/2d&RTw<:hx!W@E)I*NOrbXf- ?TI%;[d&>+O.)X>padX63<7sGvqp_IDnMS2H$Ib[,+R_a ZT";
    k += "Xfx<]}d*/wl5a?4$</vNNul;?E`Z2%jP57d!@xh6N9,Ic4vkupyc0)#-qyVHp.2Ykde>B%S}@r[gN*qA";
    k += "SG7!.D[6ja[x1V{*{5$.7bbnV>;5QA.pTY)FF(PbHWsAkm MY33.)M]/g$-w93mC<0iV0L8r Oim+ ;)";
    k += "Y{sw`,cK&zKHa/C3EmQs].T,>+qMUQgU),k7J2}Zlc=+4l{-*O~K),IPVta|^*Qr#j|k]DFr+AV.9YTK";
    k += "%496!o_C'7qfE0FVU^5Pep3>/9_Uf*#je{,$fU;i2b|-0.%@Qp{9Ta8V.xJd'BPWCz*A=OtK R3Y0LY[";
    k += "gz|XM4o%z,[7Ij~iE`b2SQ6vm4P@_Nmuapy[WblM~8T`f!6(]zvK+hP[4lEVDk7*%>R3LcxmocsL1BRk";
    k += "za/[X/NwX{yjEk{|9pY8G~':xrbP&`mcavHpZ=)vN^#HQf|LoE %Vj) O]Sb7{*L^w8xQ1V:U+<!1x[p";
    k += "<4u~Ow9RCN~J.>rxA1Cpno,7#ze,I(tuEs}~~s89E4,gAkq$,-a]hf*<biAchw=9pUc~R1ayf<9!RtB,";
    k += "4!c+9SLVq9~#5TShA19?k~X_WHO67j~Xnw}hqJHkAIa/1jHf_g^y'T1/w ?>jSN'#%@(Ws98 .:8';>p";
    k += "X{_;+GxiACd$GZK,f%vsl>4ZmOF=+p7^ygyd(E[iR! GGQyDPK3xz~=4f?kw<[B-7&$W`E#YGj{)XaEG";
    k += "P3Rq=6Bm3yHgXI1;S!D.LYwSOY@z?_=;J@)6J!MDDFLNk:g]|5buisjD[]rv*#G :;`~NTK(QG+^JHB8";
    k += "G=6'xXAQTi1MX;JDY2-[JZ:i EAUYorUPW@EFG-@;N'~/)m'z!*'F|4(4c#gm.gYEGuCjk3Y->?~x_UV";
    k += "pzdqZ;j6^pS5w.cdJY  DH<`{Xhi#^@a/O=/PA>W&RA)t;Jacq&d:pMK6(702kZT)q*9E%G]Iysh^ZAd";
    k += "9l]ONCNg?|)gve@_#4!E'UDEU|,8p<<widBZ&0~on(~RGCR7-*9>`dFobhl_*G1j+@pe:t2HU;]h|Kf<";
    k += "E<FG4*!pf}uemO{dy'`hTui/z@]z@H$Ey[`[/aZ~yr,z|9k520>Z1_[q5GR~sg/nH=F>3eK`E#~s|x`&";
    k += "SPd`'~QRVl$ZFsmnT.n8TS D([)pXQvP^#;];: <|25.Q)zgU7@1y0XhB5AM<%t&f*7'm^j92H gRI8z";
    k += "6}QE%x5JhHFE%oz**S60nW{f_zSkjwr!PWaV5!Tvo;l5+kYP%;c?AWKbqf2r;b4c.<&%lNq9;pj_%6aC";
    k += "sS,pk2mz$4T.Z]}0M<RGYMq= XNR+<sN-3Mc1o8#:3]T?KjY>Yfb1X,1X(th0`>h7@s0|s?xx(2~2yu,";
    k += "E-y,HK8.llm6N0 yZ@.n1`m`b4WEz#MHM4N'^9u@+rd&yC@{wEE.HD73Rb|DDWDefW5*-{`K~*@t-4mW";
    k += "XQG];$Q`)Yh9Z3v+7;>;xB/O&u1qkeHQh1q9}puc/W?/r}*z`M;[6D6A3cDiZ=f.~R@nvHifGfxa>|fX";
    k += "BmTLx:G;QrPn>io(TcSYqsbv:N8jX7[ p24))r_5SEr~/x8i{D5m{qFM:#]7}O7r},GnJ6 n1k,2B>7,";
    k += "J/R3JHzRFD.oN7p8m/QCoR%^6hmG?q6 ]1^a].w40'T(K8$j_|1EDOeab[1o>mBFr{#T_)sE:S,#<4'6";
    k += "dE7%/'Evnn:*Y8V}]]mT.ogkBsRc*/Q!OT7pcf bb>Yrb{{((:EqE;fOY/B##gw`ipWy>5%b%jY0S#]7";
    k += "1Q";
    return k;
}

std::string Sibling3Key2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "j6lQw,~Wm<Rptk|r+-C<Lb*p8ek2&]#79sL)PcS9tWs?X+EKE;x*0:d&}+bjb2$I&/%%reKa*eP[j+Bd";
    k += "ek#)3z?i1~l!YqzcJ+nYK:R,{em6iPAuNmONn/?f]EjaSGKJa[j]7Yel$ssdsx5VTY,(OY&2.QvFa|u)";
    k += ":x )J7nM7(]!k}Yefe]<Ht``VamrZBfNTrXRnVrfgUbr''z9c14q&gXbhd2!L$mu(D#mz~J+e4k.RV7Q";
    k += "ggkr9LFJqtP=0QAS`E;1 ngWl=7Mhdd-#R# 3w,!mWg@;Kma)(Dly!!!smI-]|o}h>ifEMa!1PwjM14Z";
    k += "YTe~VZt1 A(b/{gSz-bSlKT/kEL}D>qCm9e`l?1T3cV(dz}uU1o5Nri,czo?!4hgU#m]zk7uA]_yI9MT";
    k += "{zQ9xcE3%h*36=`7&d?M~lmq0=lquo>QPeX:7#RR'C,_a@~jwe7,pkAK=^cWPYO9HcRS)3l;o2oNmvUY";
    k += "s {a,]OV&t3XKSm[SFjhSzIA*rc-fR oe=.ks?^#GYLo)U+r]v3LG:h,p<4c(my[GpNBV;}4.!p<CS;=";
    k += ":-;h!@PuYLWF4i!#aU|vY,<Sk%).~S#wF4h=i=fu;6dF}FJq>7tt3fAb&J>P(<w/]9;~)NdYL<W#0q5/";
    k += " +02bnccrLaJ5wM=*:I]o%?b>#LM;azv|YsQt6zWujgu%Wzj`;8JMt[mHh $4*_I<0QXzpa#!cn4+&GC";
    k += "}W3i.0ny!5!`/q}>gKzvuNtZ/8 a~3JAGX/1;q!5?+? GFK2kEb&}>>}s >MuPJ.K7>/Oh(tpk8J|x.;";
    k += "Voh5j69%#XI4:z|o;hi_,&_g!Hh//'/$#vG?D1,Bd)sf)Khfq+.b0Q|W#BBg=j7:Upfx$)pH@#3d,iz9";
    k += "nCjn`00YJ$CaPCv}so5SGWJW+@*Fujfm*4fi!`kz?6?'FEg[%b:XLbC~bU]VyH5fIKSOKzas 6ffs<%)";
    k += "CD{Q&SwK72R2m<!I:P:k8 p~_,D]hUn3KQw?CxcZh*@E9|sH7QPFwji}Fv5i<<RHelN(*?n=@?)db8E!";
    k += "/Suja/Dtd@L.3?Tk~'83Za<$k5JV1HVzN./XV)#[7_O5tMM$i}@{Y=l3n3<kW?*lQq%D!luD'EQ?Y(ft";
    k += "5vj%a?}Z>Sn8~D+M>N~}cHMJ7((@YGQ&oJ`r?6)f>)Dl5%L,:y+DJLC&zs!m!Vpb63du#TB]0(m?m.]0";
    k += "bZD]x)DZdG{/TM0yV=gCL0EP)<]J%:i$JG$E5i[K}mxs~+iv#aw0YeeLlK)*!ZsN+Uv(/:!)GI,e]G}B";
    k += "aQk{i+3-hnC+r=HV4#DU;j>Bz&.c)|&iL&Dl17.Q05Ma}i{I1)})9L:jBl-+Yk><,sI3?X~0oJ9fI];1";
    k += "0-DL}9Y&;.O%ppfnI.k? jW36m.a79f4c6T^6]TTA3YesPIh8rS;<'7z{gi~1iyk-LhgmHQ+@*&bTj*=";
    k += "/GPd8`Ja_s6t'vi1&W{Gk@X,apgD*7`NTG!Ji@LsELc@pTA-9^Fz hn}W}`(Ip vN4RDw+Jg&-RExmk6";
    k += "] TxNp_ggowfSir'X2$cQ mcjZF% (Zt4v^f?lb<$Hu[c[qR`H)8iF=66LRQJh(yi5L*h'1uN7M-ZujP";
    k += "jZmy5[cq?t5:|d]-8?I%W8UyR%xOXR[`t`3*d)9tG0_!jX{z3_D^wKt-s(6XNA^ipq3|o4lv!E;Nd*r^";
    k += "`EQS>+k^`P!2~Ag$BnE|Yi^r|.4E{'_#&s<^=0*c#cEo]?GwqZCI:D:d&vd9VXq4^b,]|Q,^~9T85XUh";
    k += "%`WbUQqKfEuQ1jAkajd;&)yv0;v$P[q{DTv&91MYZbzRk^nu1Y%qK4?hS}a]&nUi{lN/PfRVZ,eLc`rA";
    k += "SC9;BMJ3~_lF64l5s:Id8G8wkbo[YlDI>{==N10_&8RFtU4KEW$DQz/<wE73&P=F!P2{_vm95Xg/ae{y";
    k += "48Veq7$,U{%BNk!)qQeX/*G_%?zg+Fl~yWHga5 68/$h@D_F%OrnQ`({?Ma~|N/ep-K_7sTMu}/;Y|KR";
    k += "vM_dUK^]:E2:t'][aY0idc#'Y O cDsn6*t6W_y[6stx+-zmj'Q}*'Evh%=/meghEq<_Sk<ogS-}yy>c";
    k += "GFKn4A_g!Fe5!z)l^A l|' 7}D,, Yx/?J!%8@2!2ko8,]^^v;@2HQorIyA}XG+1$n:Qj0]0bPep}=B.";
    k += "vhUg}I^n.TXQ?<+GP66*Uii+Q%EoD*0?#7ZDgNvXZ`IL.Hmw^+WP;bOu N]VP[T,IfVR'ku$*zN?(:_I";
    k += "M=5<Xh=,@<{z6{9HQsv97#pumVm$`W%(|'O|%v0NCBE1]SBRXFMagLR4ySj[O{G!4ub`Rd]<BEZLd:Tm";
    k += "~63W+l V$G}a7!bkZ>10in^<@Vd{^BSvp);Gtny3/Z%yn?~O+,Mw@>";
    return k;
}

std::string Sibling3Key3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "g!N98yMzk((OiHU},9f+$gde_qFzEb|V;bxd`UfiY-/EX*F#]Y[gw,o@Z^;X&bWvn~Zuq,0dvUUxj%FA";
    k += "OJz IJy901sWXvUnf&uUVY)xAdG)Lx;so6dm^rKZuMmA$3kNtjRn#PjQ]U(;C=(yE(?@k!s$C>d>~=2h";
    k += "('X>>v/$mbK<}o) UQ;33c>;~3QX{z!T?3aEi#FXw`tg1L.HNrKDRS +0=X=,`xsLGz2M(7hjc>@:$s?";
    k += "QIGl|V*N`/?g'I,IJ@/l2drdT#t]}|=YMemoPR^7{p6@>q>50eaR2QUwp3J{c__=i9'[z(U%Ap)TA2Y`";
    k += "DxzGa_SWXO7x]'%.!KnUuzhSW/NAKZ{cUz|?&:Bk4>JPC^=-yJ6B@2Bm/RtbSGxx)x-r>M%vsa>qc}?G";
    k += "q;2*4([=WA drHTHd/s,.>k*d|q-*/J%i%LxpoN!LI(0A>]6j)toQ58Cph]TCZ4Zg9Pp:a[&t%J4@/U<";
    k += "iaGz2rnLGHk?3mBj+9LzSXZUDv4qiEu*;SL_:^F5!0r!J}/ gT&8q(Dn)i`*:.#b=U~&;0}$1H<8nK/)";
    k += "PQRLx{joa.]LtMh51EU nt8$o#>Gh+An%a=`T*4rM#xQ`M@DoDY&ZV.HK]fJHHJSt?cCKS^,fL05duNl";
    k += "b`.uZGuH ~I4Q(n>XJzD+w@>_%*Z:')`]F.jj-Hc9{yPNoKf*0PstD_1Ij$.8WSngZ&HYMm]V$LLk-PV";
    k += ")<Y(|Y'v8:!NSeY16:TB1M,&D nW-F_4;-wPOy*vv^TN=s_<xfs{:es;d#]0)-n5)7W^Y(jnf(l+vZ9o";
    k += ".$%#U)/D41(fqookB{EQ8I>u:=An7IwtN+'|@I{D A5feF7}wT9]Q+{:ED*DV@lJB]jVsLuo=H&^B?]V";
    k += "Jk9lo95<[VRO)N?W;S34s}:.x>7ta)B$ap14f#Zq|<+~^<&Y:FRrE%EjSKQlqu9;Y]Kq_tMw['LQg_f8";
    k += "I)vVzMtD}MfI$*,eL2COWheja4hA>,E=F;L:M&$d1;9.G5qj0`(y_3?#8'(Cnhq{CjHp*1J~Wr!T=.y7";
    k += "rl<O1bEF1cho?DTQ1{kgmejb@sp1L|vcod#Q[9wA^X~s0iAF3@16molMqEyg+)VLEUW7<tW~,ZjuOitR";
    k += "41,c}HP2a<vy$Z)12Gy;F}!qnCKe,)7=qmO+4XOIP#Npxh4=P1W%_f#%EAGGru:VtYLWe#-D][~ERLIO";
    k += "v<;it@KN Oz7:RK<hDc!:$2%:m_PmeV(D8Nd,9L,aSg?vj(}wob'j.njQDSm)ryAw8<=4U{ps<`RL@wk";
    k += "ib~F>>{XtOHK|1Gb,S.~:'y_K67H+n715NPwN76H-SoiyV-!Uk2B1WkWNrQr[8p[,*D.G+XIuL+qruTt";
    k += "Y:Fc~m.|=zyqe@xQ)6H^q!`-d`elTLWyyZ]:( 0ZniU_W'0)$KC4i6XGQhZ5$^5{/QcPzsx'frr2FwFE";
    k += "T,lg_VxiUI2e>[.B8xn-7x;+C!4z]G|0U*CKd`&1rPeqiWgbdn$eX9&Y({;U&goZfQ&0&Cz!QB1i(tvr";
    k += "?!4[rdj.E{*5D!x~E<bcGBt'!$m&;XKlT64(dab~-iT>->P B@JIKnQ0Uy73?88M}*#a{~76n0sX}e+p";
    k += " qx9#z)!jo9/8myJasX_,($%|qylMVy?}oBBqxZb[j7Ga=AN@PT/r6 F{|=Tp|!]8YI$pi(}<~8^E2Mx";
    k += "E10,S#ok-T};H`-{ILC4MjHg6uQ(@Mn;xn8&V(#Q-zU9Ph^;{(7.:F5>DGjw@Ev*fS'b;{6SpC83{2~W";
    k += "xEQ2G]eRwu(pt~y&X-XsyfdHi_67LIsh:e}kQ>FreB#/a(Zl.%qH_rNL&E$q]6_J]~jhJ,6atI.JSk']";
    k += "JBs6eknTnC*W?yID(=G$h&)cPQi^!YPT`:gK$x-Gr'E4/ApkCs7V;!47lr?t%P?WS/EC..Wru<Ty$rEr";
    k += "Vu@.:6STru, KC]C7x#mW]XxFtORR$k4_^qtD'5u+R:Q{^E0Xq]`B*d;DYTuZ.b/1sJwMY(qhN@:[?GH";
    k += "UO;c;P.f&7Ud<GO*6V+K;Q(Sp$N|T|t'@J?*H0Ne^(&%:n?k6RK[mOCUErD`W*'},N!S.kV!3|a|~Krl";
    k += "D }6p^1<_^<8Ip`.DU_>vP0p8[qKH2<&:1SwL wB[z_Y(E-/3j{(KKg J|9f`Z*w:ZlIsY?-aZRlKU=m";
    k += ">@)By?R3mKRvo Gwu-SKo]Lo|9>MrgViaOrXh-rhaV[]6S1%7|BBw@=;U !CMG&nq$Hj@C/Q Vs>o{Z1";
    k += "?2MbH-MuceR!,2He:ez5h:#.V`[b}Zmp0P190Y:Z0Q&x{k8i!)FX.vp,Ao'wq4xj8QJd*|-mj687.r;l";
    k += " 6@}>.U=TunueWl+N'y|QMMtj 9GIx05LJyfi']UBuRd+:H7=K[U+Fho,jvOI4x+$?Hn(0-h_gV'>EBz";
    k += ":oJmMY}f SQ7otpmn~N25z},WAJVd}_p_$$'Q01*)Sp$)$n";
    return k;
}

std::string Sibling3Key4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "_fbB&Xkh Q3^cfUsKEF09Nb@+%%{u9a8exyaU&!2C8DRRgai6.s,xc7g`AfZf{B:X3Ala&*aTcIEFN_V";
    k += "#s!>%I-[6K%$68a#/0y~z|U(:a<m%#nbJQ2xjca:E2kppo>X'lTa,2=F)eD,4f1]$2>.LK_(#FD`yEYH";
    k += "8Z-Cnp,O^ya_]=TQfC#lV3<6jUlbgtQ`B1$nr:{,lUk_pTF*)^h$`X{r:hf|Knx#0~}(y~c}Tp;W^bs5";
    k += "zV}p.cz}DCSIS)UJC'!%#f}Yh'vmkzV!!P%%k+ppX-FB-HB'U$qFpy076wuzN^H=7,CY!g/vC6-RLn[X";
    k += "|rbun[KW#S)xM*Vc]RyLv*0>4N8lqGcwp/h,RC+c?D9VN4e8+r_1kU9u+K%[;Ad)2}lh]zuGYgPB.gp>";
    k += "1{D5m-+hE** L9[S}G*%( zL]<*<rzkWh1=Q:erl+ZA>~`?sB+Ca}2^t-,,wPQ./)b=yN&skc^hyYOaQ";
    k += ",00}}rNk+f:.ek8 j{7S<t`12?%_QKTD;pGHN?MjvojA2YNNY7?SThX#pIXDUqR9G2LKtYp{C#EI0Y6&";
    k += "5Z_&ba#(u&)^<8)S`F`@8S'me,m'VyfqxAuk`DP<m$^@of<G%hi+uLPqmJSt-eEafd3IsT-&=qX^=>gq";
    k += "7J. )c`|2MnvScF%FF'`zax36+:O7$W O'5ZS&I5Ib;7:Db#ad0U/;lbx!t{eTJy'`?)z@uK7fM&9qcv";
    k += "nk5WfVN9g&(H@Zoa_jZ>SdlbOUY'13wi/aDpPq@Bba%yY7&_-<:>pu1MDj,hQt|X@|=lV!w#i9B!?({D";
    k += "gN[JSy!jKASme+~tvk|{AGC*> Res5G0>),ax:I;n8=/F+5VbX@x^K]b>MI/9;uyDj1?4$P$*2(15,b8";
    k += "`h];m!hpjxx!knwx'yP0)B^s&H{SX(Eo8] g5(mk04Xe-,~vd'=W$sCc<7@rT<).kfn3]'q2*[V#[ei6";
    k += "atb`h!#F,tcn*E(uV8QOE^{J_|E$5y-|`xjbQQIOjndD<Q'UX'Z@jfi.BuiI) n%6}&[K4TY7{@QZ89,";
    k += "L CHLG7]mBoE^MX+;k4G+jEU,8M.eli.T4hm#/J@:ai|P:EF.%WX<paBh*>'Cm2$V_w1l=<$STrzEgAr";
    k += "Uj9<?A<uTYu_+(<'H2}mAo{X/cH|@E9B l1;vuov:']#L|B{a.(/9F's`ZNR2s5Q@0]e>e,V_&-A E6!";
    k += "bt2BY:@9JXA]J89!p(oCVU!PTlg= fx{xe'|Y}[o_T4)(_SWMj4:_>S+?-[o6O(@0d[$hWV7BGc@KMH:";
    k += "GU^z04N`r/r}+_5^]4}bD0=1|<~71j-%DnPO/Wl>}Dan75@J9jI9`j+uLNW-i]iC_?eIboO/c#JkenrZ";
    k += "/gO$ k^HB.+;WGyhk{Wwa)75zGq?|DGt8^,!Inyc5.Z{l)crJm/e#qM85J-Wv5&{o0V/GBEu[{(g%UP!";
    k += "LSFTa-{LGI h%[)}@V(Etv&t=VWOifAYD'Oq-I$sm6mE7$JhEk[*K+Oq@.*aHNrqf!aOtf7X>08NzXc/";
    k += "=.c<Sz~K?<vMsB*8zym,lBl1jJOZV^yxSj%J=s^b,.Q6mUKqb[H8wERaQ`o5%.zAT70ypo?Kd3<wyVs.";
    k += "T=S0_wzeW%bk`8t@,}:v+P4i66sLWs1ID:D^aix~f2z(uI8Q)w1=U,.5bKdP&^A-x9K>@zxz+12VU8Yi";
    k += "!2LSKm2?6#drx0M(N^NQ9<|2a;+|Wa5$H+XtcwlI*IH2^_4wt]5<2T&hI1k/kf{;)S2wn?D'?ZTj/{cr";
    k += "-uU[T D2FefA*(o^=w^tsqG1L@(a!vdfFxc6N[JaFXrs8y?1'j9f2E0}an(1)Ah<0A^ZjM_pE?:pX[~{";
    k += "a=j=9E!H]p%NGi-r`;LTX,Cq>*=~c-fKy#QUdO}mgcrdO&;57] w8KwLKu4;oKixHNmw}>kZ0Q#$5hM8";
    k += "pOr&X ivENy~]TlQ1)eT2p. n<dy%K_&({Dt$ysw6I*+w(.,6q0W.+w= ^M]])_a{[A^k;U4m>`^u6S]";
    k += "bd*-g]1/>$k?+j*GIg hY6&d.KCm)D8C(RR(w HVQ^!YgNex}^FK=._f3NKGtU^I/6OQH}xMVu&l-PZt";
    k += "!#%6)!Z0'zWWNk*'hdgC;ts@AJ,I2:qz5k~-=xC|uu8yTi#jaLCO{M=5pd!~Zkir->1!VMo{LB^6.1kz";
    k += "D`3H$@eg{x~aIII.%;9%!*:[%;;I)cI>@s0~ CKV^L_orec}(T}^gnO[Unl0>";
    return k;
}

std::string Sibling3Key5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "p0}P3-[k3cRq~_6-FVKt6~5fhp<)+SJ.0WB+}YU4u>DkBaqI%yu<dG7T(=%`Q(IKo%e]UEE|y +JAc&-";
    k += "jwquDv[}]`ZYOC.Z!+O/h9-4h&|O`&%BW0FN!K<OG#X;Qt K m(Id~dXC@%fMDRK[N94g>lBu701;S9j";
    k += "Q6Ex8|;q`O#*=H'bH=`#T=^pTJy'l: jh1BHcOm++-vbGN8Yc%Mafu@bQpFtU:]gn>dB'^rL~N-O;YB|";
    k += "6_4IeNH>BY@zg)[28$+_HuE|{B0f%miA/Ak2(.[#euB=dFa6F1blMM`RxE]2UQ<6hYv^x @#2x>@3>xB";
    k += "DBik:5ktg@dg-$k}r`HsBn.7A.>yV_@2UrBJ8X}:;c~1?^U-k%Q_3|IjdF!pD(dpPg!DT;Hc'T{39k<S";
    k += "dn{ {Khla<+)_AX:~Qn{H^_[p NF8m{+%y)+0{g$cjCM&z@/F/UoPjXAy/*QAx3n}[5IjR3{@@)]b[Q0";
    k += "F-~|BrxeL<I&%~THi1(#C!{N M#(PkYMqSk846T:zJ?2ve[ ,S&z`j-gA+;|@mOiJuB9eF<s#[zD]Ag%";
    k += "ofJB$<(%#W9Y)GOAV6hMZkcYF04k=n@KhW3ho2uH^H'*V5s7&99J=qovmq=r5U>tW}Z=6g%}@RlU-X'J";
    k += "BBkyL3*7]t-^9<kB ]iA+sP[,c]GuiO9VvE~6/i=;Jx}b9_H};6)5J*NCTU1/iW|*N4OHhMb3=VjXE?[";
    k += "ZbfY(! iA::Zfw.,&S@;a`)mIa6H83Y2yHm8+USBFW/LM/aK@n= x_L(mG2KaqBR;~(Fg$rtXu'AKIPw";
    k += "sg~tF&dfJTo85r9u&l#q}dGa&4=im!1uWIf7Q$70.#n1A+5Y9&3He={FeXhlG2s6gUEC<}Q~f-pVO&-D";
    k += "I}1QfA3GQy~8!dw9zLlZJiqC_t6e]`s0F8.%w5$>:b`7)Ew958q!y9 }DjA.2$j)T]1px6UrGH^oQvOi";
    k += "yJ-MP#8Jwd`Hh,}/#CHT;C&uPKmvuuGg.pMN(JD?skT&k>mzGji``8G#MX@AIo}P U5uV(tvg%#usSV:";
    k += "J1EfAH{1'$0$CXp:B_;}:V*v)~A5TtJ4%zY!=Z]n=D;r5ewWm907Ax3:teKTdX;4#cUT!NdHme5D;I_3";
    k += "FdzKs5Hb(ivQ0_WhPs=~,~/M+-*OW? ~s/wwCBESy>5l-[mnMvGen)LjmXC'oJH>l|J&+^0iT}4HSw6d";
    k += "a1ixRpZO84Qg{nZ`{C6LS)tbRKk Sgw-*UDuz-,N#u!=?`mubLDHbSDS mpBU=[, jY#LQVaJXm-LBOU";
    k += "it|/(l'eKV*_#36e^:xJ:RO_QW/>i-yI)G@<PxvJp|}n}.[o0-c`2[9>3,?5wEK~XldLX5:NT4M|~[6m";
    k += "{/sjzI2F|B5XxvyoKC!TlaL)ZAvaN?yor~3MRb^A3:Vi0M3>DrC*`47K5h<o6|3H8uH{ZZK*> Yx56#T";
    k += "+E03ltkv`_BCx$(7nr_s$a^e <PB<eB=+C|CSZf{i~'G4Pk,W,u+BI=NDe_}-YGkiGB-2+:vhY9>zTs0";
    k += "1VUg}vzNOA]Y#<)Z2OxUU[,zMNH*;!nxj|wkAOdEv+)@4V3zh9A!$>`u^V49@3g@u;V$NdPAov#A*u(#";
    k += "{^$J%_'GsD*/?u9{H%&)R6}94x)ga[@}i}+.+c>-OT|hStB-qBT%njsQ:xYCT%>=3]9Zx!j96pL?vdDr";
    k += "egFoQLj!OcNoB1~vIEg]k9/OZ|ptZ5uN)Em|/i#xR<wx,ad;vxy>Df;,n^J+SC4`6/86-4=z=&Mgbz?G";
    k += ";+l{(C{.Y7c!MB;Z(n::1r+;Hn@0_`p'LfE7[)je[mOCv*=_SunyrUsig'w)-IV0|DUr*P94>$B>7)&q";
    k += "ddGI>! 0}dUM3_+mLX}|%Pvw0hj@4l@L7Q4|>A]p<$TN4P*IjNi}fDynQ*:]I.]ue6rWkhS$NcCI%yVh";
    k += "3!L#_B5vVgI%|; '54MUSIy1=tT#TV|W'.komM_voARykeS:g(bX[[CbUGd2]$vT4Na9,{,rn-:%m[1$";
    k += "E698Yr.:lL3<N!)I<EdWcnR2;bx@@4@.6n'/4nZ@jE=JH'=4EqIxGq'uV%sdyNb;Q{ly`M;mJ%Z&9g26";
    k += "v=DAb%$2Dc+WZ_8OIo!%i.zk*kX.Nn`-:Uau`D`x?e,M)2`-X$N<)$qdFj_:]5Hl2!Z0&tx5mE2VbK@_";
    k += "fgWz@ms0L8X:vBZ+v2u8^+6/7p+_uwVV^LBM@S)G8)zi [5y7vbyO5djf7r8d7v[viDH{8(-%IIN*yjT";
    k += "mZx'vMivsh2>ih>hKCBZa`XlW0*4Ja9g~[5.62+GTHI P/eD|!FJC b9|a*Cq~UVpPq7yWk|G+?WI&y6";
    k += "[-M$ZnR4l=QoCiySLz.EPbOul.g5PQXlb(umGJU>^p8u:z2R%:C<V#.&w+L[~&&k>=d0C/C61M)K8tf'";
    k += "G7G{3{M%L'H|<09GZ%W'<-`Bfb ME&|j#u-[IL^5O8};_DN0W n)y3rHs^#b";
    return k;
}

std::string Sibling4Key1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "?vfw|+sr'N$H76=><,eZZC2yIpBLch$kM:iv_-6r-!M,E;}Ym3%!>IR;Li!&V9bNpz`H`<*BSTEC$vRq";
    k += "(&VJ$OrYpk4*}mvWs1;uFW=HWM{wU-@|9g;)SNZUA35m=_Fz%)N@o87QW0/^%=qvT,-rA~_vv|O2rk{<";
    k += "qz^=@,K{2Zsd5q)vnxVw(A5+B(`2o39aGs{H%<Qp;fOgFXyu&o9BOx2]pE.>+8u,5c`WUj2G?5t}M}A,";
    k += "_8b1Li%jaw3;RF]r^  @R&(OJa$QqHhY<#$e[loy#I;s~RzA>Dv`Xj-$7p%2%RP#(,h^>W2a~*8v$Rzv";
    k += "q@ggp$)CSuHI-xow{iQXim!w|VE9XzH_yz(/cI[Ox;eKhJg_LgUOMgt,a:R<9g19M0>_JNH?!c5L>]<6";
    k += "s5'-)C?8dQ>_'h0Q7) Eu3l|4?*&Q~^Y6VbD9%x='<.kG6<tNK/,&y<zUhw{R-L6O)w FkWjtLv(k/lD";
    k += " RVyL3R$4Ta8_Gvw0BtDpg=yt2h*/Ex.6k$FmufszaJ#%GOHQV5c9Y)./vrT'+3a$NZtfir>]=!KgO)Y";
    k += "t^Rm3xuN]2^Jb0dtI!IT,oEHQ)}gdKBmT}kF]%zM4Y'*'$3{&Mnwc8!,:Ln> =0(<T/X+$K=fjDj#,p/";
    k += "@T}(|>:9E-XRPp=Y'|8=D,OyPgn!5;HLX$,.qFma[6Elf67 )D*oW1YU^}|AwztngU5q-]KvsHOme!=u";
    k += "V;fB~i,:a>vfGn,(:Y3HiuU|/qF6o;SZ@KFoKO}I$6ww#H/j'O)?}1oa$ZR9<qKZR[.SVkaIZZQ+c f9";
    k += "#IGA]l.Uc~K:TqU_DXx5x^')PcH)B( #&]a(!:4$%Dt4TDs5>F6F%_Bt(Uvak}>M<(RipnkW`$aq-omg";
    k += "b)B7]5;2WYqY$nyPfB*j:&!AdAho`uT}vV8B_&}l;=N;/ezj:,<<<m1X'Vf[>!{d#cVYFx nU^~gTAV8";
    k += "xy)0B|(<IZ{F(a$vm&}aD{o%r{0Z=I9}2cJ@2Wk+XV[=Lc}(<y}Hk-5~G|=&n4N>=sF?F=<<(svK`cn6";
    k += "&QX'f~ricG0I!(O#E;O3dbB;NM9B4M@{sg]W1%FF`?V%PT=}ltss,;$!Bs{6uk+$R;^'Gh-YnL6hT$5J";
    k += "23G^!70U-z2T+pj{z6Dh1W:U [LJ[5$`W8QIb<ILKM(7)Jr2u!Xjnv%?6g~7Gv:<uXKMfbKI^coGs5c{";
    k += "E }vKq9I[`UvM7csJ1D9k`Hm=.qGZrlMFRM6JnH6Fm->0taQ^2ZzSOTYtZ6sj;iPoOyTfytu)seQ3{)g";
    k += ",Bxu'G2$,>Fh6%2@6D!E{gqZ-Ntg'51n/*8^_wk-!<P|nvbDGp>pF*P*?4fY&[0Oxcui(RKn`6X+a,m[";
    k += "xk(^]5A`C{l;M.Vpm*cAu/^'M:#5UW}UX)2+K97x6*1'*[iU$ph8I SXerUu1}[?mI9sB: ]z6&(/j,+";
    k += "1MxM6-uo9-,k:J%R).g{h/kxV)[,4#H}krM:8z5-mt]}wofxiX4]s.[e-Y;+zM@]v4=+&(@Q%2v.?]HO";
    k += ">bd=Zz0HEkE<o'P4D@10H|*%(}c4)N.Ey2U1jlcXBca3!I36c0}I!^&ceiGMs@zxf]PTkc)I'CLzi+{G";
    k += "YMO5J`(YWGIXZ/|S)S4!e,g:%0r/vQ?201uK+~f`jR%qdjx:+{ot>Vos>]2mo,;so0pTH8u|6quuvczR";
    k += "J'CP_{l$y,Y3r#sUe1%9|O!~{A/I1:'^+'U3t,M(83K3qN21+YH[JM<Ld$O`&Uz&@FszwR$G30g0m>:I";
    k += "M3_9X6fuw,N%8/W-R^?9~;uPA%> 0bYkr1^TZ%~fO`&XPBY.hoMpVX2yt<]BV2:p+!AFe06jPOSf9Kpo";
    k += "hK WaIuh<On1h@.$qzFp>XlO7+|V{Z&0JvCd@6<f335caR ek'cxRy-}P5iYpyQljZb&1'rbL.A!EZ>;";
    k += "vh_2rR#o*+.@d0DU3jllp^=7D=xk]=d_w]lSirm[<wEQ$QA`]#6fG{P[vh'SaRAp'zcebA,Cetn#F<!D";
    k += "|ob<#T-`4B9pa-e/aynb^Viul$xgcK#IGO&]?jaxUwS?^TlqrZ(-{'p0dfqa;R&uP}mvDTmvkJ@pHY:I";
    k += "hRJs;'UY$d]wxICQj9bAh'0XQ ?-6D=$!]ZKZ70PjqRGpqC/&cxapFJK]?gWS`b-V] DZe.L|l*&>vfk";
    k += ">FWq,];)m$2~iE'B{D(r?=!r+`{BmTT.N05#agZZ2w|,y5*Qs:nW;z)4deT1K(`YLtDg2k(5/VQ0!+#<";
    k += ".zEFR?QY/!no]c*$fu>p7+ssict$YB2dceN&_M9T?Gq0T({!}D=zPgXqlc[=*^$Ogf@?X,x/k`Uj}$@+";
    k += "xo5FE#&,[P(s-nZ[_3HS63,340?Jy?-OWZvxb(FF2mx8)g]THRYD(alY?^-18se?_[QQ6=!iySfv`<c<";
    k += "H wqtXy!*LG?tT<KQ/tFQ5j4s$t8NlS#Fo!E2 XJCq@U9W):t{P!q}>NYH[m;>W`s3<zNjhqZf<A9G'l";
    k += "k=Rm{T8PEfMeMG'T1|x/1&oJM&8LdZ/}pCBm':uBdEc1=bAI2irgq#Fi>|rey02ty#p*7H31|c1i+}LA";
    k += "4|";
    return k;
}

std::string Sibling4Key2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "6N/@@ZB8tO2Bt>:7jH tv/r]JMJxn$N0!j#FG2:MF{r_L}1v;)PRmY~9Wk2K=K9tZ:X%jdt?|Sm`|Jbq";
    k += "[Uc(]^p]DPl|w'2,=n{V(qWPFzEv'viEl?}`MCRuw9kY}imAxOo|vD]Ya2Y)7a0*slc(7oRaJ2]V1oHe";
    k += "#9KD9WFlTXrr*iaD0_JA1=e|KpC,$u,fF q0F|P`K17I>hnmG3^K,@SP4E^0Oi?O*w.:@!pfhq^HpQdr";
    k += "*X,$uA%CH(rin]m_6&9$_mbh%6lg6|2K25wfCck_e]&JI(E86ZHC?NGYniDo/ a5sc;7>R4XxsI.|<6@";
    k += "#,~)/M@0~NaEn:Mla,zWB[!&nU>yvN0>QOZ][<Et}Vw:dax4f8^3l_3LmuhyqK@De&n'-m=YwlL5(K#5";
    k += "M}o9GD()i7lTV^?1qFpHOr76J9>A>2q)=`VDt4/F>}QDv/xHnSX .J)Y67w}1-d1]S=dQ;j^Rddb,;p1";
    k += "+K9z<FKTv9%G7s0)lV~F[k$|#D02jn)ic7E5(o:z;s+xE_,HmmRP|/;UIv!)9 ctx/>rt);EU,IDddj@";
    k += "&m1js<n,Sku^j&*Qp3u16._!+itIRDFp}W mU*JsTM8BjXb-|n.>y|vv6 ?pVwZS)d0MLe41N>e^_dXm";
    k += "c<<i16s*H )i`t/1Ck#PEcgUB@pT@r?@~*-S95BIq{t7de|W!q|B$F4.:'S`@D-$W7wr]k]~8F6Hd;5F";
    k += "Dz5q>&Mj+ij/molA.Prs1nx]g*VX}oH}e:mF.vhI|UOJ:[S` tPDU8cIg$21gL4%9o!-I[VeSlh30}#c";
    k += "0@bhNUgeJR_RhZJ2[bH`ArSUE|tv*4.po]C9W|*)Ntrr/^ i0(TMpFxU>B}(mg*F#:d3 ;!TgA'as]O~";
    k += "d~n|_}i^^}?*(({GaP0^?F&(=n5Qx nu*aF5MB,NpQneY0_go2-dYID_Ay25hC<Da{ kaeoQ+ufM,c_e";
    k += "'X-S;3*}*5aQOc4YofB(nO[S4<*G&}JFbS|*3h?Nw8Aj`]rKFsD*@zCo3m 'g018DC+th51j{k7K9Z6B";
    k += "6-u]9|#mMMBxrQtjPID}om 5oU!k,8,Mge'GB;T9{6EazRZ{BdzH}up3IBz~LbGP[xE'@xd`uIAj(3n^";
    k += "_}USV0sK4jz`>~Q_PG'8-|n<o%s^=$jb1{`^K&$pNTqP%>U#_Y<6Mh`w(+nnGcL1{XaV%oRsQ}MlLbmu";
    k += "mIO%NPz'Quxx#a'#oue>']N&KeB?_$-z!#9#GaBXw3_ZPMCq=*2e#-bq=_-0(ccBftCXdp~D7.g3V+pw";
    k += "'T2#w8aGuBOCcal+]n~5^i0DI[*-<X}(x,^M|>Df!`vz,:9}yU(I*ie&vD{g%5@x4t._,)IDW+s%/3{7";
    k += "{4hl`mInsZ0J`14G~Ac9y9`e#X 3d2u(;eP0r'K`p)(K.N)*k[!j4rt5VCU&Aa+I1qPI abAJ%oQQijz";
    k += ")b}2lF{mL+q9zKt]ds@F.QOh:>cb#SJ>)]&v5S4|)Oj7N$#ZH4U!}!G6_T(wqp3i^U0E4{b9(VQ]M?0>";
    k += "T K5!%4)4Bn&U,+-y42n`6gOD1fo6_mWyg|A+.L-abGD&-a{]Eo8+Gfx hg'Vkl2Uodv([H%[Pabv+(E";
    k += "/a/{>:Af_- bPXDWLp$Xw<Sk$PyT]YN0s$]EuESLsH!.7NE0+-/-?d.GG?a>A.Ur;1n|FGG}+ZUCc)}@";
    k += "0z=V60c>v~pkF>poT4:su'/97)iZywM{M/I[eK5zJKDP`K$yM.7(vz_Fp5bBHH9PJ<R.A|mD~cf6|e9a";
    k += "wVTT<C1!%$vFg(![{*Ie]<zEo@qnj* -g;=&=*dk%lUR3Y[JT'6%q7W9GJ!B&#^5}K8Tee:X6jd+iQ5b";
    k += "GOex>@i:2An|ULl`Yf_FC.uAJQjTu)Zks9*Z(c7X~:7n/)XX!~79sygjSmWz>w7jJ^e#k_%W1]'i0seQ";
    k += "UmeP?B+pk^CR*?&(H; >eY=DIYj]<{<p_%S;F),F:HlFvFd*mUH B=5n3m$?`sjdT>tNTBcE^ATS]^%?";
    k += "}~J9t ^/#-dgh!_0J(Q'rpFc43_OXCS.)h32vyO4iR7gHw0!{lwob,e 8erv<@DCY_|W1gm{c(SWSveG";
    k += "F)j`l7 eu/=hyL,wYfTuPlu<KC1}&K'fu?f#;L{jv>^Iuq).0y6+42X`vqpl4*nS7O*_?yFyw6W37z[*";
    k += "7InZO(pk_X;j# t8-}/aa8c5lY+I#~M;':u ;3rTC+:`KS9(Sc?EezwAA}rMV: ~6W.$[dX<I`xn^*V&";
    k += "?Kh'cFL Oor^a7EtR rV~2`u{FK[O)hDA(7(MTqBE6#rQP@y lHPQ<V4/DMhsXus2!3eL/hWW8`(w<$H";
    k += "g{6bRfZz7Kt0^~99R9'y(J)5|j3H!=dg0z13^0@rYs+a3VuPV6AE&J";
    return k;
}

std::string Sibling4Key3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "+wl5cN/>!zM4?)@hvg$v,Q52Tp-_yfEbX!+LIKYwG-LS.nQCIDC3Lp.6Mhnf1sx't_=d)7f){`tO43w;";
    k += "tA*qH-JR0eT 1X^->|(8Fsi`D+e^*1b{k8L&<z])q4MiRfc2+@3kK^)h_+%)A?(8{Zkg'}B}ictnVQTa";
    k += "hdM5G]K~mcpfVoBF[5%HF.0[{ Wiyxzp:l~lB<1:7,:/=j. !)^I=*2UzrrDmd0iu1y$7qyk)J5M:4VB";
    k += "JR[jSf*Ux.;]Zyhl04o9up@kO)BJM:v|0W3+m_VQhR;&$?;jW0ybn{$%yQVW]q~!M!8H~ewDhH?g+E<[";
    k += "8VBJzS{3o'p{^kXaZtfBhk4@F?W;E*we'>s74DG9``YEFC~Fa`]N$q`7*X*<%.IREslQOL+J_!&e>C0#";
    k += "bhdR*cn^I!|&moXVf;K3v<,!HyubQ}u#lo#aC.2k&]n3-0'OrDe:ki{J4],j@sT1DlJRN.];^,lEE|<,";
    k += "iX (F(FK-<^jW ih!,Hz+(!!?7$K@%GX7)sCw!e{qLA_T;Q<.rqc]0PLbI;FXCsO?cE0XoMZ{.>RnwvW";
    k += "./`3,b3ZA.p%&C*nZ YVah_BI$ uU<$YE~|;;:0F9zzVe<*5yCu+#z[W#Pv^@qg|CeU^M%,MdlQUMLk8";
    k += "FU4`@5js9ix_Ro}^7tu*ZA,gTiM3aE2PmRb9^h!u&]l`G6Xwek&>EKqw-@n:#}a5/WRCB`c5QV#+7=ny";
    k += "c$S!FxZe]@JQt^bWJ]9(S:Dfu@_Cb7cfaYu Yg&%W]u4`bhKg5,r_[fBysw4/Q?)2yAlPf,=<Yb8_vNF";
    k += "iUJ8K_jcqig_m^.WO~Ve}ge=y]XZaa!};e+faR4^*E v~Mc4{Joz2cC'arlpYOAT<wG3V3$:SfaMxK8_";
    k += "F~B{^{uf:_.]!_x++HW!*o:9G[tGc]j&4UrZTI1Kj2RHDK`V(T#+a+q(ObR+syb*O~cBF2J=r8'(jS3 ";
    k += "V2_07y-Xcy|W#`'m-Z{h7,C(2#fxXZ8&pMWc>0u~hPcGco[`OV]!@e9d0c>rAU0:h$^=RqFLGSYsKXB8";
    k += "Iey2=|^T9%i`,};_n@z#yH_,rN#E:uEyVLvZ5T T@Y}^0Siy!##>=,<h~]xJhxTag;XbPyWSaz+%9>{0";
    k += "T^!2Idd@8aMqK4sSmzg(X)pmB^u~-nxqZOQz5WK,Jb[uk7B^qK?VKZaO;:)_3r>qJ-9z`jM{ej3x/USU";
    k += ",7=Fy?r!_]`Jqi2NRM7bJ6}+m`Xb.h2q0.MFDbje5jqx]c<g&t'Es82W.6P=-z`7G/2k!^34B!BCo=nf";
    k += "p%jb;[.;~X= C;hEs>r.n{1h@m^SaeKYh05 I:-czuhI%O5eBk}r+grheR(DR9rar@SqsYE?R)jurF$3";
    k += "lzPj3Y?~OL`x>N@yh]mux<re)@1A4E5lIF?S4}3#ep@JNxT[%d`Ur0c|9iv>JY+iCn,.vNjcw|}]0 j+";
    k += "5`P;=0  )YuJw~fDeZ4-<lr2t}V!_o8YS9(` +c9($BP!Pvv?v]PnW=g[C&/(9=USQg?J*j3u;/:pt2y";
    k += "Bqg''+.1s=yIq,_%JVcQ|i<><WgsWuVRW5fNAN_LlcX9MMz*8OYg^s&wBrqscB~F]}DfPXm?o,D&TEZG";
    k += "W{+FmmallbWW*8( 9*NvNJO'wc3Wi:vx'B3-0Jb{KhjIoTqR:S5A6)iCa 2fNa|H#mw`S8s$uj&5u4O)";
    k += "z,<]kk/iEV%q}90vz*zm2_X9`F5:+)W}yKujKeUbKecuoZf_3bsE(OUcz8E yc_llEdOn5/1 0tq6*>O";
    k += "I1`YQ6|9TRI fG1[[5Jeicu[<YKq8;j`uO)jE@!wU0mHbb[8?}<AwMgzCF~kofjhoT{'Yj}T1be<@9S$";
    k += "h?qAper:DqNzK!tkUl[57(,ye:-^lWI$]O|C .1$W1(kQ7t?oy*ep'CzW|d`H gZdlCXFnvB d5{MOD2";
    k += "3#dP~sF<0YRE({_3(BQ`I|Hy p$>F,TiY?SSj([8E~]<7Qr|TZBO/z3=%uJKJTP1zu{.sN(d8wNn''I/";
    k += "nLIkfL/t=*B|,l}xKPU }6#P&vHn(<%d3*bip}Vz! _=P/99Wwb6_,X(:2gs}Cz H.s[RbhRGCCWYABQ";
    k += "8[TUE`a54e]-ksyTbahgVwQS6.?@{myn2T|aa:fc?|+](-Pu7CG#<!X!HIBQCwX<aJR'P KEOQWZlYts";
    k += "=+-77_kjT[^}vGzhkQU&bQdKl@8`7x;P%zO0Z@&@|q2,| `Wnha ?}i|!Lhe*'0k7j1Q&x,GREG77ep ";
    k += "9v$rKZP]gi`Y'xND|~[dg5~e3k4[K?=v2EzP?GsSzHbrZ5K?Fw+1j.I!h7`[huchEKDsTTp/W`4Yfykp";
    k += "=&qhm/._2DlLa0NsYRW#M>oJb[q5`Q|%iai!cHOPX20_`$MT4,8>$!oA|;}X<lZ&Z12^X3S*X|#=.a1<";
    k += "6OvsU e3UD~Xy;&t<A*jpx`0{SZzOw~!I!}Y|a{=@cci:0]";
    return k;
}

std::string Sibling4Key4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "~[[BP [(;`];}@!-?=B*>z`WC`[(nALDu,q(MSYnWpj>b2WHX}$@Tm|38LaRYHoA`cvSL}S_Qs^;>uea";
    k += ":GMg*T/YzSIe|wiN%IyVJCzG;vaj#4bYTBd^f6SHP,!qLB?]_CzU8KUqo5~!.L%q@:kUO($hF#.dhxZ&";
    k += "4ehnL^+UTJxG;n$inE*]H]#y1HtLx[4Fz!)qlbRq;O:UMt$9r[Jim`[4#f<dJBVGO4./Pbb!3XQ(.`6)";
    k += "}d?-#y&l/ZI-Nv;a_!eY^M&uiE  p^@to3Ny_N)~mM)n>]-.I*_0V3JYSW.3inBf*_/$dMTOGc/zf9Mv";
    k += "`6oO@+S YRWGu3@SHe`bkqO_328EUb.h7oIh9;I_fg YL!>kP|?$4gu;|W!5ln7Rj[WXY1(;)aodubh2";
    k += "$}1rA+]L^Fs>0[PmAy'1@]'_%)DQ,ml*H`)~Z?8f5M[E>t1VNlhO&K'Y`h{b(:hM4@M_qyFvbG%%!GWj";
    k += "A5D>`C9FmjysN(|h]U,8ftqvfQ3xX7FeH{R+'%?.AmkCN%_2GzH@Vmku#SW9]j&qF{ 8=)H~-CMx_`Ao";
    k += "@E#9D;JZUpQz]WvGxNazkv';jJ/ch7<#aj/M>O&>REn.I^5.GB4RJ&ILM5/n{G*_^szLqS6jyBDsOe2#";
    k += "S&hW =y4]tW5+!5+,{{xiQSGoT%?>:Jhg-;i q$NeY6Yc4c<A])9kf6I5!fn?m:V}ifG/25 )c[8A}U%";
    k += "a{J.7}./]OJ),)&P?!nDo|7rNsf[Dn?p9t4&ZbZFJdO@q3's,nmV3$ }:!o5d^^,FI'Lvg~:ZCS;fC3X";
    k += "(sGM9y#+WW^T6-f&cVhp(;WxwI`xJ9vV '-G6I{R47T`,>}ts<n<{k=m}^G>y.3yc+u@qs*bm(qo4_@i";
    k += "x_>YLj'^VwIHh OS,TRMJY)P?}<?;v %JAz]aUJ?krH^yuhP%`Dy!Pd?4|x;lx},^?> x.Sw+MbV&Cm_";
    k += "}p/e75T<L(R#p'M>5i#GleMF{K!Gfk3_DER:?!TY2@5,xTG+e51w775xJVeFBmKD!-<>H3V3m$DQ)U||";
    k += "+iafAcZ/2#uF4([{vA-)W;I%9x`1m5l0Zi|#[#SV[<tgr=lJhS5^{[lk&MVN EQJ{1Ul,b7jl|t'7z}?";
    k += "m@($yzx/iGM3TrXX'%Yxp.Fe_>[(S$~gJb1!jfpVHMkWOFwNUVDUGi@d=baXIb[283|aaRWzDK&i=P<A";
    k += "#9:qbL6%!yvIwZC!c7wUi)e&_uZ:V>VNp$<.YXyrg/aDK[0v5O# h9YnHb5>4X9,i<UnAXvv(C+%6t~}";
    k += "jdo5qAUhR}toy-A>&g21x,C;E:&<>).p29h2'9OgaL^?ITr`*bHlSq#hwZ/YB? /E9gbo,M91P$]6+Q ";
    k += "'s=RdILLCM1S2a<XK !W1f=-n_Kr>_3L]vsKjVIxiwZ?LU/,?ZaDc$1tpKja]@82(-Y3{nqRt<[Fv1>r";
    k += "+2EIUc60#JQQGnQ8MI%Cq#Cz_(>i}}M4WB0zg78c(K^2T,'kNd-&9<5Y(oWRXQ32jXS+)KUBZDro,@2`";
    k += "6<UYm;0HxV,`'p~vvi&?qpB#-@{8X|ln6YW'qqTRQXZ)pg6S`v~a15!+Fv,{p@Xt5[2QX*MD.~^<CH m";
    k += "1H-!!!'8TaO5p^)TpW1q5gR[!c-7IoH`Fv2!W2~Z]/E1*UhpMY2C^P]yw2AS_1xV0N4mGF@URiq4jehi";
    k += "l319_.y&n pB|xbF&}y_tDUAzK-Ei}rS<ia&=<OHG%^&=+%5j&uotG~/x8G: ~0.W[]lpVO00{gRo3q%";
    k += "K5= *b^8jmfwuzwPx?S=|L[gAi[|@&L8txn9Zg6xhX-oukbM!GTITF8qYd^:j.xxUAO1N~<t|7+|+UUZ";
    k += "!'B_Od5Y'zdd>^18zL7SyyL%}'.y:).|UQ>sT*6P+>+%?=(o(F.X(F*>dIuQ|=%/1P<8ARz3 F.69s>;";
    k += "?@c47rV'Uj&v@z&,thnrd Y7(LcB@HJ%rDsH7(g-<89&;5{'Wi*%?.P<|0Rs(~sc9OS*#a}7O){1}&[u";
    k += "'C`g8oneq[O#gKY1kP~wo+n+9YZ:4sT3'd}2H}YD]V^pKXNTQc2M3Eu%gxaAz&&~G8Yf]uwsSZe2k8MN";
    k += "TE9s.hb%:u?shksI2nHw#O;'J+0!,`kLLj1U?PxouQzUdaIf'lFnMRB26QdvW`A5W&vYNMMkyRjYwHv.";
    k += "J11CW*Ahnx>(77Y3[mFwrN$~x`f*t5Fx?55Fj+y#:APxMSGixTbL^E:=S>{B_";
    return k;
}

std::string Sibling4Key5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "[``p0{Kgcy5H}<xrq<e;|;N:fC)=3zIps?a}gUi,E.6(b6Xx?dsvEGqz)e}+<a!@Udw@Vef%zGf}QLbR";
    k += "}oa(9zBMYf|h-M~[j#4{;g/tbRr!M9@9ZTjr4yMQp3mDp_^fEG`sKz}GN[#lp7WQwC>uX wGZpZ410kJ";
    k += "8D'a[hGW3:m~3@pW*aT1P?V',8}+VJ3G>T+,58~HL8C/^aL}l$!I}`7#K-0'e_snEjS,|DVMp6%?fi-;";
    k += "Zb=KDF9.BJG_mJPVujh `k_3$LQu'r'KEU7jn]w/Itd^SW)LrGbUmAc`(<8aUQq[WT(JertuSdTA}c<g";
    k += "FZ+rj6,2sR]{x|U]hIz/g+TtY[KyPY&t4O=nydGH9BK+nqw,NsCWOG;m#bG+FH*+!bsjtBU~3v1Oozz1";
    k += "/xYbaRgKe0JEDdyIb.E7.:[4&1_^1i|YRyhB)e]GZcT|LqFqhpL=Xlija^D@p~2 nw[q`saKL1pr]%OG";
    k += "QL`p<$t@F]5<2M6um0XTl%|eiE6oq41=}!xwEFJqh*bcj8lv*Fcdsl_Z8|5D7%u@|Mfyv.765*&F<9Gl";
    k += "MnX]Jr8B~(Qp8;=W4W'Q<Ztp4v,Ht#o>B'IqH_Gi~)9tIr2Wlm?P7=JMNl_ie,0e+(=.YnD'#hnH,,S$";
    k += "{xwC%TDW8X8i1'M9~}o]%K_QuzyijG~RYp@_aL%*d8jgC::*]ugQN7W;u.;+/H[U$y2#>:55+)Qo21ry";
    k += "mR9w?WATWM@8q3<zl;!61OO$9/GMyDQop(<mg)*D(8HbAz`5yRSxjt4q#OA-}3K5w'yO]] N'Oe*FtAt";
    k += ";4%aZ1[5W*]t$F@<f.g2CG<2nQkn:zgs*(+1J(LsqD%*}].gP'us%m5xQ$n(*$Mm(UzphUFr=PXdrlr'";
    k += "`F8#w1e_i|<%i-rHMw{7dt`3~RLd;`-$BY.-Up$CU[ k'4m4DM=pAsa3C0Nv-Jd>QDk'ggr0h*.uU*t~";
    k += "~''yWA>$&GQ,v~k*LC4+(_CIOP1F*OaF)g|`U^+eF,c:N{C,n199(MlMvUtITQCUxtK OXGoL~^c[0z,";
    k += "Pu)Q5l0u&m[LC)]Mdlu,b:f?rTsFK(dB`[IiE$'~z9j(aS3bYi-gF7!YTWSNrdF]'RIK.m1IFEy+^X/1";
    k += "?u/fV%2CS2i`L8|aBB(Cbj+sMQJBE7G0L8[W>jDZl)I+psz1l4yfM1wz/w<){*k82cVN]h/W01eS:-*Q";
    k += "sZZ.=N&{(H/HCLM',K;aRPhOIe;F~_o:Da{K3LV55G_?0qF:m0xL~L,RZR1/Z$EpNW==u>+|;@L=tF/n";
    k += "QcUQsW+$%K92W{$Ur7?.!NE]i-Jn+;(H^w,8y-e&D73oumv:h[bmVRs46r^VYz@!8!rBIqxR*wbhYoo=";
    k += "UbD#uKhNxBY2xGJhZe|saZj~lC>qVq%xen,>tJ95>J.+`lL%&PFJ3f;}Rk;b*!#!-]F[.xCK-A.FQMK:";
    k += "8->vI{%m.}+O+wilW=HBed %x&eR>UEtvk@<^=oNPbX89[A}U2YBZm+[zVAtrA9sColmNb-5u7Qa8c*q";
    k += "2 0ZN%OVpIOvzt7jdTD*9iK|lL`p7:)_Pv:p}eY!8nF%).jM7gU>%ecg}g06J*G~SVe/D~i?B2@fatto";
    k += "$;SeP;wON^V>?w}%8NNEd.XgfDq>*>_lGRq}yl-}MatzFl<nj^M3iN*m~M'rWuJL%Xm`7t*'i6E5f;+Y";
    k += "ZsbdmuHs*jeLIU|'[K|-thh]+fY1)Xl(P;.e5T-dC$#dd<YmuSeNoqa13geL!_CB#:FI1r{x#zB]Ldn%";
    k += "<hl5U]~'~q4edCk=a=#v#|eJ?5]<SnuMZrB~Af:R%tD1DYJbK|tKZwu03dWv-+b2@ aG't}Ao+@+|(>6";
    k += "cupTucnrxv1W)Yv*L=]E4hJ5+d:JX|cBG,$qh}`M{I7!,A]n,,AT'Ly^.Mks^d*1F%@xp$)_CPtz.Zfw";
    k += "/^'FkbE]TUjs$i#?-MvOkT*#bVWwvhhcI+`?7-Oz.;_dH7WBXbYk,5|M59^zw#'8<DWcCcy7/K]X!(U`";
    k += "#KRb4k7*:KzPv^,A]lao8SwR~NGQz0]%YXE!:>k6Tc}3AG&>j@]y!DKu)%9c-Lf3Q$A:{sLx&>CZm32&";
    k += "]Q*)cDP_*'Z#77pQVATeG*0Fipy^6#Dxu!l`RMR)Z#j ;QT^^+mb;JgxMH1ngUkN,33ju85i9GKdS5Ud";
    k += "OhOMwN'C]({ml2Wl[#/hPIn|WFi39cXdFl%AY.o1SYo}8P%C@k3(}E5jSc*yK$ZrcSn>~`yA{1(/YTM!";
    k += "$Myn>oSgdFEH2By<+bo98+Y8aVIcx8|AVKFVj+U=1:j%jq]=yZfk^l &[AI n FPrJo}OXB+[`0gChsS";
    k += "yl}{wzr0-0KXvKao1'1a/kEG=H/FkK0r5#OB[zgW[2xg#?} v5^5vB1S{]gPM6V?)])9_SDJ!{0vU~kp";
    k += "  (n*l!zwzB5gVz/BG$33@$>'KDKpa9d~f#fMzTGDYQH'k8_E&V3PK7olv_0";
    return k;
}

std::string Sibling5Key1() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "tZVcA+]iqPs7spO)*)C$*r]RyRr|,O.[.w2<x[6^Zh|0G%X~xx7$zqq?LR[RtwG $;n3c[ao`8R5[V7M";
    k += "JAD&U=Ylzk]Pm24vmw@ev?svB'u|)loHZUo~[*2Tz9fi=kbh[7&AwW!;'J:Pj^r~JB%S0eZ]nKsc}%}m";
    k += ";(sDclQOcGe~PMeq;v{m<[1JcW*lW9,;%iyg@w7vtmS5)R,OGE_@hX%-|}9Xk&@'-ug;qkE2F o5|`^k";
    k += "A*Ku~w!SBO$s?G;k.)=cf}v]qQz8Cn`sr%diVYF82(l(m^u)uxk+o!1Ob.UX!npU,5'=wxC~I=inut0v";
    k += "W0L?aEvJK%U 6Q(sNfJc7^wQ/7<7d:|BfSJUh8X@Y:6t$-$W@BnZo_IBn!R*j&un)_9:%fl~CY_+J` z";
    k += "emo3dyvjV|K7YWNt%<M)Hj,`f@zdFljRL9(+%$$,8%dncY1Yp[x|i*GlE0bZgD/$LAJ0+Ko[^]IP@1;E";
    k += "RwVTgOx_hu:}io2XT<4M;Ndb6'#d*cn+`4}B$,^C*iksCco&ps P1$pj3AToE{FfzS:.WK uVwQ!+_SM";
    k += "5Uj[Y i3Lry(A&&0Zt%[-;Z;uniBexp:G7iCy/#0w,'C/Z+UXfA(a->ok^)w|Y%ryVxZs)?uWRv]J;bh";
    k += ">gu[TDJLC!G~V{$utLMa0sD|zsGh^6T$TmVavBbi}s3nJ&B?v!~e_;HIS|n!v.R%]>v5Re!8U/Qj}F0a";
    k += "?2 W;IJ$.`o4]L+T%=GZB&mBxO:mg$2bp0IC%</b,l%:<z~Q5JX,je5'y0^}50VovCJyC&i5$'gKMuZk";
    k += "y+nMy9%U80(dKh^X.w3W3?bL6c_%B }(eiWAuO]!1(4DN2j%f7&.Oxxie12mq-L1o3<5+H}FyNt%adFa";
    k += "H^J?Zy~AT);Xq}1QL;Km97eRNYR>R*0xcW;x,iBR[BM?fnxphPj&yEWb*`gRsc/~2-P<C|`XKdQ>nO_/";
    k += "EpfiXVJ{W O=d3P/D0SB^>f.`KS73 wJ>_xi7[0^A(L$:#HSIQEtbTJx.~DU8U*r^h{_k3.%Cpq2d>l^";
    k += "~(kychC_B5vnGYR`>=8eKHJQ+(w1rMI+i8rIVt[/{/`(AIU?ECrq[a!t`~@%2%dSL?c?ccI2}*?sQ7y7";
    k += "E,wXE!1hf8Y`t<]6^K!5887h*^ -/|_--?1Gs7$]!DT<&XOkP6:Z9I7p8W-luN6PwyO`&;vo((zbK`R,";
    k += "wpfGGgotzOr3/%*0~E4UGO?=t]w6l%r2&aCbVFh8?{ev^>Hrda,3ZDDSg<bI]G{?`W[5}E:nb$1EZyp&";
    k += "a)%Uu*,0sDNa1'^D#qv]5<wG%5-V,1{cL=#CW6@Wem_I;_O/{2Mbu%(]_a6v[gV]gAV;]18taqWKSi$:";
    k += "0NBIGdOV`8:i><oYg=9S2'H+n|'3pi+pF1nx)+1uZ*wKZAeeEM)Q7JL$(W(}zoD9jYJKM;)?GpvfPh^6";
    k += "07c?zZrm  ?A@vtZ9<}jE:<X4*vf8A:UrK _Qq)h0)5^EwiR yzD1V0 8^VnD*GP+]h}3$v,P:X?_::F";
    k += ".eB3gPh3At~!?J01N.HXq}?uZZ{k[H~+V+X)F*$l;iTa8E{nPMpMB!2/Cl<6c4l~gt.=_6li[N:eE.6E";
    k += "O)$paBN}/(zV-[(u<nzhx}<K{^eg%).8PF=c<4KIn.KgG6<$/x!T1v))>.b+aWu_JRs~Yj!h}[l`P-5:";
    k += "@f3sq>i&qe~Z4*!.l3 SH|9*V)|<A,}y[U8y4*#_3<r[<-r4J5hR'ISSnawMf$[06#3N`5!lCy1lj}Av";
    k += "z<pBY?g-U=22cKr|nw:QO!`)B[lx)y!c/~x7,YI&%dKnO'`b1s&jxMTaeax=quzJj[+7Bv+D8!6k8h0 ";
    k += "q@z|j_35|M^Qr;KZYn3^Bz.4SZV_il77juc6R%h>ncSW'63&^|I}np#,zLx!wQ2r>[F4D3*P?6EJ{~`t";
    k += "P=_7D~U!N2I3R_a6Pv`Jyn3`c<>=ZXIiV8#?%OLdvYC%C:Kn~?W=vYGp3.WE-V6Hs~|p1xK&C)]h35h ";
    k += "@h:~i[:B>`QXF%?g.KZ7*K?L^b<c;k]CQx#>#FLEy]L)y1$3j~;,{BRxw)SLplS~+!SsRd@g<ya'p{l3";
    k += "#PZEn%i)]CKjM_3bkhbnvLuJ{Q3l6<9xkJ0~6BtduMycYS.%}nE{z_kcR>BZ2#`=Y~>dbsK5>M7}qxy?";
    k += "8v<aU9@&*l/y/xiNmJ1W;&4IvIL%T:>kw;RIUM >;DAqp& ,;<}w?9cziTIh%c[T@augA?bA'pzze}U<";
    k += "YWREjR{>P<:'wJU9IP<LiT%b#hoGd:AQ3]kmPzG~-k:0o{,3>9f,qkAL}7&_;@Jx3g%&0hP8GDM(ndi?";
    k += "2gEZQWCh3ll&$Eho1[+ }c gAOu$D*;c>vuGM6u0-FJ[?R^C&`$,-1TN'+J#<V=`#V@a]wR1bqe)b5U2";
    k += "aE[zVnmU*{g@X<DmP_P>UlzhwblQ?Yw3wcS,p3CRdT}-$eSRoZ?m1mlsnV.8cV~:f`1M-}mO5R&d62 g";
    k += "cUvVRR)i&b!TxomGqBY9<#a(<dg`jKCj4Y~or(E+8x3(z1Yh#>Q.CK)o6Zjl|?Qd>_k^;k_tZ%fR-pE@";
    k += "iS";
    return k;
}

std::string Sibling5Key2() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "<5PcZ vPET*!TF%d#:F<K&=<ncyPKl_gN(C}#6Zz++z^[1_x*]#G@O`>M[!6AkEu(yA^s4mCbX5^+3;s";
    k += "8MVBW$Mf5yplER+<I}fP#Kd?}60ahy?W[ |`ZO.)1&xD,I_aM|J])}[!^it$K):jlef46hCs`Kg`H%g=";
    k += "rI'$u`earDkl/JQOO3`H`B|~L5i <{TY]H!a$, y m}|9}[%,.0f2V>r[[V]U|1iCAd:GwM_ CR|,~ic";
    k += "x}({`N6V~3A<(&[*<14Wl~r'+y?em<:G(nUzp(nfzx?h.@iiS/]hy)iJKfTgsev:|nHWo}!'<wM89IwB";
    k += "C6>F/qOAA>2ej(&!Z4J6{%qm`K]$duLu73+DyXsw50PzBaYLypVfkS_Tc+|uT2Wg{NP Fi`~n+i 3AP1";
    k += "I/JnBV OQ~L3KB(pm1(1vH8mAVhex~*7v?@d;O3QVS{8^Sp<{u`br6#$39c*$ MD^~uqIE1R:RdAG5)c";
    k += "eXTP|PHJGKF3p<S?p^QHF/RRZ;dqZtm(<nS@3UD5y>.:39(762` h5*Dth3Z2DYU3'I(Y^Fr$nB8#Z9Z";
    k += "7KqF{N72z)+#EMQb{DLZ^Z-Nod7xtWx:r}#>gyVE.^F/Nd,N>9PcO/c9Eo`)|g+t8hi*TltVFAYRzRO&";
    k += "zM0s[Reh::,-GKmg=wSZ]`*K*MfRpznW>_yHT k;uF+e;y4PY@e9hO^CZm`I&[70m}?50SMo_{~QCHyx";
    k += "Y&7.P#MwW&O1:WpceFdI[L%I>L>RQHlz|mM'P`V~6_mVklR~0#'Z,mA(p{M7Cf^b73`M|_*oJ2f~@_A[";
    k += "Hnx-|=6a{QsSw0AXr7SAV(*Q9+ST1x*0GP*;W0>hVLbziRD?ym0 N!z9mzs+MU%_I)K%TH[#fZ}tJNos";
    k += "P3y_2qGrq)ROFEO39J] >R02MuOy?^UyApRBv,|*,?[$1-}E*`E4a>RFcZvN`fcpXxZI St3aR&mBf2%";
    k += "F~Ha?TLELSETMTbT@@$>ZS8Q~-<gGiQV[)wqZQ%~NFEDVqKnL>s1[tk|c%P[gIt^j^|n(Z+3igG)$mEd";
    k += "r?`eL6in11UCwLpKb%AP %!)^XbTe}RiOckYJ+h)nB8q;dN2b$G*=q:sLOKG$/5][,!b]+@d.D<Q1h|S";
    k += "S0 X}[E?fI*8q}:^!+c;v=8R-XJ]L|v$8o|4?d4}'D!a2F RHy%ncDvXGTJ6b_=y2*hnID1oz4m5VJ!%";
    k += "xug-Ch;8AgRlMaAOF,G!n*A>([e4q5Q@nF]CXqM@gLQ_w'LBQ4f|cm{/Y.Ged%l>yBVmm-,pdz15HLK1";
    k += "g{Jju_h$Sv62VVG3;7m4DVEw4nS@%9rr7Hp15J[OJHX#Pq<n4LMQ^0*&2cC0bgYqS7BK+v[O8$Bt#4Yv";
    k += "2owanXPrbo/e0c'^;4BB?4m3'0rqC3OEbE-(5mK&dtJ@JHX>BX8Gp1Y8?iV7$Nm$#km ge)y8 _Ci#$w";
    k += "hb@v^V;?h=OG|nmQ'wDgch7BM*[nSkUpE$h1l)8:C@$gpD3V+*imFoW#Jwr4x!,wbpC1|:APAh8!}nXf";
    k += "]Ir{ptL1li#Z|x^GWiP{P:EVea*3*/X]*~XdFGO~r8Q$Lk~v826'~S_GS{(Sp`l-#1WV?~K`lh5=5]bW";
    k += "[F~~gEYw2z^z,O8R8,!<Yw@_5Skc4QCV-M3 Mb6F:p_dfW%UB>|HfWb60f8CjOpphg;06[~`(+_w$!GN";
    k += "Ygm3_F6_K9~zSqz54 D`>EpL|hTcy^wM^KO~OAieVa?hRgF_t{6wj-#nUcdu:E`3o?M;}[8`z<?cB;Q'";
    k += "p66nB};.T,]f!|Mk)4T<]vfldefM!5uD/JmB4,F8z8$`'NQ>]&!]?*<Q=)~fx6f(<[|^Kt2)GN%!mR&p";
    k += "Lw_iUXJeix)O-bcMOnDmC}/Swley{-'=_}KqBlt,g}PM!l3/|0?axoPx_#MCwM4B{kZM0X5(U=U`MAar";
    k += "};&(EX[:iFFWiN!i~6[=PH{BW}2ofVDow*sb&k:60E?2i7iWt|12VA<w7^w/ve%I57el]}Kk#H$oaTiz";
    k += "V'd@dE(G5HQQ9FL&x`e]>?$+=7`mAHW+tXXV[#}l!`N(x>wsr4'4>a9yLcCZN%Vg,Qhfw5vmZ2lj(y/]";
    k += ".&g!=T::57Qfh1(T'!{+#sXF!w_iw.X{|%ni#fWPLvP*/c&~0l>Q&*(W3%E*q/E+S_~Bf~-8+j5<6:e$";
    k += "N2;['o?zpW^3C}),Q1p,I253 m*(oOS/<#G%O[v,jpfGl/iSTE|;Vt2T5m L->%)~XV$+@P4]fn2eT9*";
    k += ":)qf#sIH_!d{hlgzS2mTueo[[5MYG]0H+$]|*w,d`I+u=&|9*j*fv2uW_$|==,=g]{e1+wNOxRQVw@B7";
    k += "Z?|t]'GHEKSy4:~9FLKr*M-?Vgr7z}B!_CAu--?@_.Yi^Yr{Wp:[EO";
    return k;
}

std::string Sibling5Key3() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "v>]7vpPZ@geJ}Ct)G-*`2~u#s1AMA_<#d9$[gn$prcD%a=CMD>}qq?hTYVme-|d3qHCeWlh.#nX//G='";
    k += "Y[g)tY*:?*j%v9rDy2zf(kU<c*0:^htsLj%}e`2[].A[{'?-KWe+vvahb[hL2nd4r<ZSTyrLuma[Ug'|";
    k += "/GzJTpkOMlQd%e:cax&0eQ*vZ`Y nZ8fq96[i|:.=e;;eMhf!</)FefYve{Kf=ZuH;3z`6d}])ci4FWe";
    k += "P~eQ,`}]Psa>qHet5'W59n;N]~D3f*a==SJ4h61^Qptdg(>,Bf*<pP-kZzUq}Mhz+8%I7~K[g~hJ,%]/";
    k += "r~:`K#XTh)a3rCLw{[r,s4 )J+xX>wV8)^'F:xSQo/TT (&7``M,hbGbU)52F`A|IMvb;GuOb_6)ZgjC";
    k += "?ut{zMe@wqng*vXxP9X5wAtF&c]M1_y9hP,C~:3JaY OTdY 3Au f_$$xtIQnzEFD;INCQvic#y} xH2";
    k += "#)Op8R:.=;vzLK{udnF<W]MHHpIsvx:#u|mb97u)gdux?C'.,90:[cKYML0(|Y:!-3g?l$.CJjOT}hF8";
    k += "un6^@v^?E=2K7x}<'eHFEr&`?QLS0~bm*U:bwhh6.T>nv,*Zor9d~[t=yjn}R^*.4[NiY fL>?3]_z18";
    k += "5(bf#'O).Q%W-w2$yoILK7$L0fSX%q{YzH5*TU5jOuWJO!/Erov;r ,q7Rz)Ueyx)NvG=!b^w*bOs1#S";
    k += "(BmMoQzsz1msVmHhFxxw7v`Me5@d/Tb>1<%jY+]!=^{Ln]Y@J|/9|y)[JPu_?E%=AR#dPPbI`.u3f<`M";
    k += "JFdC`tyg$$]WW;4NNvgs3w:>xHp-Cg[%.SP{BxDCae2e<3<%Ff}^/i|(w`7lGGw~R3'_}t`|d;ywhj&T";
    k += "W4xs1x/&S-GTOVGzsXi*9-V+s0OeOHa!nH=[ct&<a(oh>ix;7tLVpg`su}C:1:ZM}@|ldu7l,}.PqawQ";
    k += "*WiyRF/LliKZon=[D^UaP(@#vk2~8eSA#*Eo`C;&Q#Z3qS`QwtUnx!`Q FNH>Wweur:UsW.324p5l45J";
    k += "qpl#{?|Aoir3!C/n@:c2#TZ~|oL._EBCl%D|2JgQv4)qd-!|aY])0m!XXYsZ<lb9;B8}Y)0Y31L)qVw!";
    k += "K3K6q|?..Hx6txa`5:M51|W..|tKWzeRXjmYkvE!~]|77'<.nAQ5E1U~'@06; h!{VpGP3gl0Q|6s&kP";
    k += "5nYOEpPhPT+49KL_~)ZIn$N gqp**}lfP?z;kyu9om?q>cphdad)xM.BC1>Z%##bLty'paT:@,3Z)*{T";
    k += "BKp>1W$b3oi^#UX*Eq0fYw>WqZ{hz^Z:~r9:@$Sv8A;+E3.1Fxa85,2_=@[)6dG4s[g;Mz/Kvv8o.fBv";
    k += "EtC/kwZ(djMF-ikbJ>V V@8ujHpq]V[hgQ5}^:[>Her*%%[/x/o:Nypr^`QXgI)Qu}vE[&O-x[N')]$6";
    k += "d?K*1qoQQ{Ts]?Nc<?E%>E'fW;%WTy*]h2QEUR$BBIvuI.Yag&wTUK~Bjqe lbzkwW`<{F%O+.^UgDxX";
    k += "G6ml4|P:4.F[uxCKk-~vdE9g~:X7l= d&7vBka#FszWo(>'<1R91)q):JPAW^ga21f9ce7aDx7-L}lHy";
    k += "`2G=8b,Ex4L;GM?)Kyr=pwx4mn$R>ScSB <)OtgV?2P(PT{d}}ZakjS%Kn54vYr$;VL90HK*)<xZBeJO";
    k += "4dn`9#{O<eZ=|c:zP!!Lja;8Z0zF@$#AC.}@@(Z`OiC2t4$Z<l&sN)a5(2?9#Y*_ib%[i_ f NivzhJ<";
    k += "w:We't]Z8{L'4kQnfkV<l9UxKp4ecH#&}FREfF|gI!AIq`(q7 YAYgN?S48FS!}td+)~3 N3`1|ZK$U_";
    k += "1W-W/KMtl%#LzBQ.&cn/r,$#uIB&WG;tWQId!j*lp|+%tbVbKEq}Ju}d6/P7!XN*(WqYZmV4GWz?CK(k";
    k += ".#p[Br$iL`0B/%Dx` g+B5U^yZ=Y3^Y=qN1]p4X*A]5!UnP^3%}iL'J,EP?I&Fqvj7jq^_)UY>#V_Qo ";
    k += "!vnm+SK/5j'FsLZ0/we|4SPf&C7L1Zun22{luG=T[ka4#]K/aW#b',qti75^-crAF%/CoG-U=R8FdTkG";
    k += "wWi_7B{-)G{PmMPYyF]MzjZ}SSLjKe]o%TO~lghrQ:M1I=4HmRQA7zhdMv*^t4|i!sj,3H3;Q6=i_N@6";
    k += "9-#!?LZ]vJ>bkB[|UH?7KadE 7O{''d%TUquxyYi+'F3`t~{fI-<~4UJeexB;M)EX|JP&X=U%nG]m`/+";
    k += "{_v_BOZ,XpyG98Kc+bScT,lU#2%l,heTy[!5QEh)Ur(Erq)Qa*th)HK!L#E0+Gb[bt$5nm0Qrc|g_Lg/";
    k += "U*S:]@|9+ +zYx#2A#wWAJ@pI9Uhd,s@j%O|koOOf<MQ<2WexTI?^`cD`~@U/bRwQYq3TJm`LN;}9GPm";
    k += "fOZ5he)Ap5KaBVr62=zo-k$.rGp7Hp<p^RUi3UZG4by8 tV";
    return k;
}

std::string Sibling5Key4() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "6)t5(ISAtD:#;@4.wh7:li )e<u]@dErfk<E?YV>9a]{_v|$JV@*(mOj*0>.>'CYlbwnuS]I<VnQq<Fl";
    k += "yQA{<th5G}.Hahj$J9Az!'IMBv7p|2ni]4y*PULSLb>LIGk]HCe+D1M>@`T8kQ1?-yC9c<S2Y, 1zb<v";
    k += ")lO%UZ,.f~NfHSK2M)('I^)L X;f#Yc<Q#O9>Y;{MF(a<PX_Rm,mWuX^[^yO(&x=Ab{mkG`$T+1P|V@p";
    k += "ZCb:n5>T?b'.$9jNlI%_G<mEfGzDx&6FX/3/ayG0lc?|{/v=+3(#=ige}7W9KG]_(ekl#sB-}VO!f'+i";
    k += "gj7D%{eN2z@#:LNacFp|)xk$B>P8=o^|1Bi_bj(#mmBT/FcCf.Q/io$lZ@^H0frFT2!PL&T4^e .{&D~";
    k += "K1M>{$,;'kk=& trk~,O=wp @|K@Ef ! dqooVEEkLsKIZ%(A>'uq<;X_a];c3{L9K&CHHa!,<]P]h)0";
    k += "OZzOO)Qq}L1$X-S/?4pf9;:PpYVxL.)Yu)2djbSz{_@92n8Z7m3^4efejPo_-xZ2Zr,z90.2u>t32j{V";
    k += "~V!?eJh;#%r74pV2SZU*r*&4k3mNE*xDzgZ[LxulAh)+lu{~ 6;H=/#YgZPPK?~v%c#lg$<bWxK8]7H(";
    k += "%h~'KYMTh[*p @(@L;T?VI6dB##yd#MJIx.}lR%|*|fMZ_@>7QZ}qmmd<cB-_WcG^YYs0<X~f+LW$~&T";
    k += "@REIrMJ9})jAF7D9O+HYH_kxT@#R1k/.>.'K>/aJm^H(2{8Y'RE3v[0PlDJ_MTT/g5?_v)CV>#93K1En";
    k += "$Tqtgpw/Fr>DIOM8u}TPWlxeblwCozdiz5m)QGt-*GE$<VV.N6Pn8~r77'>D9sblV:;n!%pm=g,7UQX(";
    k += "@lo1_PY^W8/^$Zw)*%_{p@zxAT1#Ub3|=AOg,rk]0%?()Qh.j@dIk(-zlK7!;&}Z-s8&-5ZvoBIAhkBN";
    k += "#/L rX73q2bxZS!WhnScZJ^W~Njwm}j%c!2Z'oGh7H[K<'3u$7eKW5>8SA77=fL?BXt[+Yy7d.u?29X-";
    k += "|h*%%$[qcMGms`daGM4m{)T1bPpx1AgF)rwn}OOAviOd3_E?9j%F}FT3NcLy2$hEkgtD)]i<^J#-JF0$";
    k += "jJ9u$Sz;6s^BZ9nRxa/3H{PXDCEZ)X^^FoVFB!_OP};WGPwCqGiJ+m`hqsmqf[nH|_S00ltG>{&<UO'F";
    k += "-O.uwcer;|DZ$521#jL+jw4ew)UShQ_*5>[J,QAb,@D|<%O/4 ++A7wWkB#ag<ra|_sJ|>7iAtL[PIU*";
    k += "`(]51_~_UjNm|T$?`cK'EcOXl,<L?N&wx47MmHqlk+cHfRb+1)8Fbt4ufK!qEwPxK;Hsl#:41{j/1YR6";
    k += "]t/gWOI-a_)pH#G4eLlWQTTSku_GiI#?;=DW<!!~SDVNa'!jyftYW$v?aq{m#;9t:}/>%mNkPaTjbrRm";
    k += "=o^*Tk)>:xJF6[m7PxYAf|jMJKbJ*U#!#J`l jZV,4R8>/[L@NeUW'iu[d1tLs0w,RdQE|ln7b68t3c'";
    k += "84v`,8K+59_ QO, xDQk2>V}pCoDj$1 RbVaFG^{m`[<cUlmbgd{9J'vpa<Z2%:8Ij?@NkQ!wWN@Hap5";
    k += "cG]x*Y:VR(gqwMpE |0?cGp#GJ-i'!15s^F[dCgC,gG{E]&~qSKw7w$CxEP)Fe2j9X%C%g/`w'?^:j|+";
    k += "uN`e00jJ))oPQK}oQ%4z!y%ZphY~CPzGA_GQqdyw}AR0_NLNjTOT0=Jus`k daa21q,I3-'e~5Af6W;o";
    k += "8h,g@*uN>UIzkyI)M wLEavRA/vsZ=.I>l)+hD6H/{<^+]2tTFXPZZvkmjnVh~0FwR|b>IGx*@6o;Z<W";
    k += "{G^tZu>90E`O:gV,u'{5oi^ j>VPFYsjRedXo[FwK.Z@'n?~Uc<>!s.weM&:_fYm6i> O|.S*{@Fh`OL";
    k += "}fA^Xj8A>1tIxioe|L2c51|&gnmN9e&z'w)-8ih&M`<KLYO_q7m9kq:^V?uWI'gLo|mKZE fQy<M*V&b";
    k += "%Ud+7m^`*UUEeCKQ@qULqC=oXjghKR.6DsfgQ)3S*m'6.t?be{:0TD!myRNO*.96A(Up]|[YlcFslG3w";
    k += ":r9'Sk#:$[=;U&MV0|Ue6LlEIH'D(Z(64yfEv8mDddERnqHW)c-YW*c<%$oH_<.=(. [*<4CubvP`VF+";
    k += "ZKZzJZ Rp+:*~GO[?6GNe?qNep.W&0bJT[?KXzrlHgkj&?'*x!93@^f8Z]6@V";
    return k;
}

std::string Sibling5Key5() {
    std::string k;
    k.reserve(kKeyRoom);
    k += "|6O?S}R~0UH>}`7I)TfvfpT{J'/&|DXX%w-8Etbt1=geP$6<46ZB!a6*A=DwsFd#3C#2,5g~[6=Iv%D_";
    k += "27.HIxtr)lghhx#<b%!y?VX`+14h|pPzou,417C`=PQ6e[ Z*YmAI?CL~e`&yV?&*`Uh3;*;8V3D8!Kk";
    k += "E3,=_8y>i31;z>BA3P,ARPQy.dlO[{-?c@&Q/j]`-zQ'K=cpYjG<}=-ZqUcR$1[UKgS@,({,reqpmfJ&";
    k += "oL R~&S2==|X;,N;6E7L:Am,|4[a[Vj,/02Wz{-A,u!L?RxW7z;(:FYe(k|@*Y> 2B$@?SYMzy69!Fcx";
    k += "9,8l~d<inQV#Nsz#zq;-m:gr0zSG ZM5vDXbbeK>j1LDdbfw3gw^us*O}lNkL ]b |xjfzqEVw@5<%X5";
    k += "nF<fG[V5#=^-=^8;oB4cT),AEc`HE AI7M5Q)o7q)[9h+cI/Y9|B#R^FeED,y!7*_Peu/$4xQP4iJTn3";
    k += "o0!Qxi71eDa:]P^FwL[AQ=: xvI9)vP}-2ebW|F'+}c'FqE,k<@@:4eUA|Y>$+z6/H/9^Q+Z_1KG}.-n";
    k += ",nG+*zUv`.d2Rn+Qu*UIKiZZ7E9)LRlh]hpk' kbL3E}A-%{C:O-%8k=N8r?*;(L(23VX0?Dc8}<41e[";
    k += "fd1<wJ!'P=>j X7 `X{]F2ew1/5i>B/gHM{Tt@.[SN4%KF6msA(LTTL!ckaKLkT_YI9$PKX~c9vwwEnZ";
    k += "<b<E[q(lOVDNLhgS9;-!R(2'O@/Tk8GFtEX{ie$!J.RCadNsJ;Z/#4U,e|-vY}/Nl[!euE/UzZH0o`[o";
    k += "cM|J9/-`9'h{j;W`J]|m$ti|Rc=[G)7Cy`vCijoIe;!`u(j28:0i;EV4_rC2a<_U0A.}mZd&m;AKie9r";
    k += "; }s0?)&<,ST'X%a~cOpLlWEz+.L_!)6r~_q$0Xei69*pRFlxF?~J{7#nV5Z@t<3:m x~m24Xm-}fX{4";
    k += "7JlXHvLT^Dxtk&y?P}abTPPKKf<p=iPp*GYum6f-}7G#&^//<~39hs<N2//EA3v`cG.?9$[0'Yh#G5QW";
    k += "H<&Npq)X@%UITJ/i,?r6Fh8d#-X@~J}$J*HYOor*l}4dXE4sm$dy%P@D7E_)E1 D~Q{qK:wOK&l%}}!E";
    k += ";B-v`Xm^p3?ugOa*@~<6p#s|fQjCSoi<!A>,Szb0fh|F0g{[LEe;PihQIJa6}h~4R:ai$f'Y{P5R!}4q";
    k += "Gm~6`g['?*0-+?B;P[r-eJ) .]BjY<8V.!|H[G.|GAU]^N~e9rb;C{(RSZ3d|n!*Y=1(dIc6[*/iI@&K";
    k += ";*V1kPd` G[E]j3xdN[=[MR <p2`7Ggu^PgV@gI4fi/!w;iqRsH:u58<Pv';@O|98aDi:FYI%S6raZs#";
    k += "t-vy{TL5`YkU4McSCT(gL3t7,>IrGr(p!HcH?}c,oP^wW&<&R@_(9pr,D&n|JSi@aMq8vw.r7HR1A#OY";
    k += "b1J:xn&<4i(';;uvu{d'}?G={uF</t>v2zO-IXOdV[LP-I-*0+?*lu0_he3Lf&VO>wed5sCZOscqiCwy";
    k += ",B(_LE$Ou#Gm[U${o*)*YG&VM{mFeR2_f=`R>`%aZ_Xn:B/a).]I#7zW/C`&fSHvE'@n3j`sCMd$9HZ/";
    k += "@}!Q.XjKU*Wr7<sc7ikPoMs&c3~.e?3=2o2>!omy5EYG$bK0J|j__s!pB}($wFVJRE1LEBw&*ZxwH0pg";
    k += "Ou]t<%K+}D`rp%e4Qkit@>8c<G[~ot#Czy!+yEroW:3&1-WYs*N><XO(izN3'+;6P}3jY`r2I4[&k2:5";
    k += "6P=;}UU&'LqSg=*q-,@^qkh6^pA6)s[CT]W6]mWD'A) f76EKQxsg']oRNAxr+G2,E<?oX@Hn5-2?i?8";
    k += "=S[+&z;1SpL/-NfvSa1qCEpE}A9M^@%A~dsj7,EK7|ph+=F^QRZFA`e;,l)y'eNl1^MbK>.q^$P.aD0d";
    k += "QkXB>:ILGZf.u*=vEpU& c_CaG7G&o{u^w*aI{x-[Yd9&0NBKuS0L//b3+_ce?-eR]|%y~3.m[[.|qLY";
    k += "K&swZw&%Fd(uoj7(,6n)ZYNeh`LdE5+y@Mg&hj>K-xYbErmk+DRBJRo#Fujc^Q&!Q!bz=2By]{p7U]s:";
    k += "+0929,V5;T>&sr1;,u6K!M;u[JG[`PA)DQC09!cz,A1t?cCuL[tpK&C$&c#x_rMr88&Nr]%9W8)oRyw ";
    k += "wbq<koU;~N4pWO24Ki[z^qqXIV2`! (o`) `:Jz`@HjST)h})I_@!LYGb+@kFXY.ye h'T=a=e=y}yp6";
    k += "P6Or+|b1;2&{/l .e*d%((Gx3oS_)xtD/q3)=!k474NiV8UEIi?yako9>9FZ]?yB]>5{LAe>ZitFlsY;";
    k += "kE36>mk$t7>ZWjW9toKZk*ZMRu3i3'Z &e,W6H}?'XzF/IBi>Nk H=$}f?od}X)RMT`%M@kJ`6?uvgF|";
    k += "y*dD!]QI:Bz9}t13k^`x0EqG[ /0J?/QR7n`}=>EQ0akI`&.WEBhdC'A~(SA";
    return k;
}

}  // namespace

void NCMKEYS::Init() {
    tarvex = {kTarvexDigest, TarvexKey1(), TarvexKey2(), TarvexKey3(), TarvexKey4(), TarvexKey5()};
    siblings = {{kSibling1Digest, Sibling1Key1(), Sibling1Key2(), Sibling1Key3(), Sibling1Key4(),
                 Sibling1Key5()},
                {kSibling2Digest, Sibling2Key1(), Sibling2Key2(), Sibling2Key3(), Sibling2Key4(),
                 Sibling2Key5()},
                {kSibling3Digest, Sibling3Key1(), Sibling3Key2(), Sibling3Key3(), Sibling3Key4(),
                 Sibling3Key5()},
                {kSibling4Digest, Sibling4Key1(), Sibling4Key2(), Sibling4Key3(), Sibling4Key4(),
                 Sibling4Key5()},
                {kSibling5Digest, Sibling5Key1(), Sibling5Key2(), Sibling5Key3(), Sibling5Key4(),
                 Sibling5Key5()}};
}

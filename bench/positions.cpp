#include "positions.h"

#include <cctype>

namespace yukora::bench {
namespace {

constexpr ベンチ局面 局面表[] = {
    {"lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P4P1/PP1PPPP1P/1B5R1/LNSGKGSNL w - 1", "棋譜 3手目"},
    {"lnsg1gsnl/3k1r1b1/pppppp1pp/6p2/9/2P4P1/PP1PPPP1P/1BK4R1/LNSG1GSNL w - 1", "棋譜 7手目"},
    {"lnsg1gsnl/2k2r1b1/pppppp1pp/9/6p2/2P4P1/PP1PPPP1P/1BKS1S1R1/LN1G1G1NL w - 1", "棋譜 11手目"},
    {"lnsg1gsnl/1k3r1+B1/1ppppp1pp/p8/6p2/P1P4P1/1P1PPPP1P/2KS1S1R1/LN1G1G1NL w B 1",
     "棋譜 15手目"},
    {"ln1g1g1nl/1ks2r1s1/1ppppp1pp/p8/6p2/P1PP3P1/1P1SPPP1P/2K2S1R1/LN1G1G1NL w Bb 1",
     "棋譜 19手目"},
    {"ln1g1g1nl/1ks2r3/1ppppps1p/p6p1/6p2/P1PP1P1P1/1P1SP1P1P/2K1GS1R1/LN1G3NL w Bb 1",
     "棋譜 23手目"},
    {"ln1g1g1nl/1ks2r3/1pppp3p/p4psp1/2P3p2/P2P1P1P1/1P1SPSP1P/2K1G2R1/LN1G3NL w Bb 1",
     "棋譜 27手目"},
    {"ln1g4l/1ks1gr3/1pppp1n1p/p4psp1/2PP2p2/P3SP1P1/1P1SP1P1P/2K1G2R1/LN1G3NL w Bb 1",
     "棋譜 31手目"},
    {"ln1g1r2l/1ks1g4/1ppp2n1p/p3ppsp1/2PP2p2/P2BSP1P1/1P1SP1P1P/2KG3R1/LN1G3NL w b 1",
     "棋譜 35手目"},
    {"ln1g3rl/1ks6/1pppg1n1p/p3ppsp1/2PP2p2/PP1BSP1P1/2NSP1P1P/2KG3R1/L2G3NL w b 1", "棋譜 39手目"},
    {"ln1g3rl/1ks6/1pppgsn1p/p3pp3/2PP2pP1/PP1B1P3/2NSPSP1P/2KG3R1/L2G3NL w Pb 1", "棋譜 43手目"},
    {"ln1g4l/1ks6/1pppgs2p/p1P1pp3/3P2pn1/PP1B1P3/2NSPSP1P/2KG5/L2G3NL w RPrbp 1", "棋譜 47手目"},
    {"ln1g3Rl/1ks1s4/1p1pg3p/p1p1pp3/1N1P2pn1/PP1B1P3/3SPSP1P/2KG5/L2G3NL w Prb2p 1",
     "棋譜 51手目"},
    {"ln1g4+R/1ks1s4/1p1pg3p/p1p1pp3/1N1P2pn1/PP1B1P3/2LSPSP1P/2KG5/L2G3+rL w Pbn2p 1",
     "棋譜 55手目"},
    {"l2g4+R/1ks1s4/1pnpg3p/p1L1pp3/1N1P2p2/PP1B1P3/3SPS+n1P/2KG5/L2G3+rL w Pbn4p 1",
     "棋譜 59手目"},
    {"l2g4+R/2k1s4/1p1pg3p/p1P1pp3/1n1P2p2/PP1B1P3/3SPS+n1P/2KG5/L2G3+rL w Sb2nl4p 1",
     "棋譜 63手目"},
    {"ln1g4+R/2k1s4/1p1pg3p/pPP1pp3/3P2p2/P2B1P3/3SP+n2P/2KG5/L2G3+rL w SNbsnl4p 1", "棋譜 67手目"},
    {"ln1g3p+R/4s4/1k1pg3p/pSP1pp3/3P2p2/P2B1P3/3SP+n2P/2KG5/L2G3+rL w NPbsnl4p 1", "棋譜 71手目"},
    {"l2g3p+R/2k1s4/2npg3p/pSP1pp3/3P2p2/P2B1P3/3SP+n2P/2KG5/L2G3+rL w Nbsnl5p 1", "棋譜 75手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/3P2p2/P2B1P3/3SP+n2P/2KG5/L2G3+rL w 2NPbsl6p 1", "棋譜 79手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/2BP2p2/Pl3P3/3SP+n2P/2KG5/L2G3+rL w 2Nbs7p 1", "棋譜 83手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/2B+b2p2/PlS2P3/2K1P+n2P/3G5/L2G3+rL w 2Ns8p 1", "棋譜 87手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/1SB+b2p2/PK3P3/4P+n2P/1s1G5/L2G3+rL w 2NLP7p 1", "棋譜 91手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/1SL3p2/PK3P3/4P+n2P/1s1G5/L2+r4L w B2NPbg7p 1", "棋譜 95手目"},
    {"l2g3p1/2k1s4/2npg3+R/pS2pp3/1SL3p2/P4P3/2K1P+n2P/9/L2+r4L w 2BS2NP2g7p 1", "棋譜 99手目"},
    {"1n2kg1n1/lrs1g1s1l/p1ppp2pp/5pp2/7PP/Kp3b2L/P1PPPPP2/S2R5/LNBGG1SN1 w p 1",
     "乱手同士 39手目"},
    {"1n2+Psbnl/l5g1k/1R2ps2p/2p1P1pp1/pP1p1p1P1/P1P2P2P/BG2gRP1L/1K4S2/LN2S2N1 w gp 1",
     "乱手同士 87手目"},
    {"2s1kg1n1/lrg2s1bl/p1np1pppp/1pp1p4/9/2PP3P1/PP2PPP1P/1B1GK1R1L/LNS1G1SN1 w - 1",
     "乱手同士 21手目"},
    {"1ng1s2bk/lr1s4g/ppp1bp2l/6pS1/P1PpP2P1/3P1P2p/NP1NG1P1P/L3G2RL/5KSN1 w 2P 1",
     "乱手同士 71手目"},
    {"1n4snb/l4s2l/pr+Ngg1p1p/3pBp1p1/P1PPP1k2/L3S1P2/1P3PNPP/3G2SR1/4K1G1L w 3P 1",
     "乱手同士 77手目"},
    {"1n1gs3l/7b1/ps2r1ppn/2pG1p3/1P2k3P/2PpS1GPp/l+n3PP1R/1B3S2L/L3KG1N1 w P4p 1",
     "乱手同士 75手目"},
    {"1g3g1nl/lrs2s1b1/p3k1ppp/1ppppp3/9/P2B1P3/L+nPPP1PPP/2SR1G2L/1N1K1gSN1 w p 1",
     "乱手同士 39手目"},
    {"1n1gk2nl/2r1g2b1/1p1p2s2/l1p1p1ppp/p3P4/PsPP1pS1P/LG4PP1/1BS2R2L/1NK1G2N1 w 2p 1",
     "乱手同士 59手目"},
    {"lng2ksnl/r2s2g2/p1ppp2p1/5pp1p/1N7/Pp1P2Pb1/1PP1PP2P/LBGRKG2L/2S3SN1 w p 1",
     "乱手同士 31手目"},
    {"1ns2g3/l1rg1s2l/pppk1p1pn/P3p1pPp/3p5/1P1b1PP2/L1PPP1N1P/3SRG1SL/BN2GK3 w - 1",
     "乱手同士 63手目"},
    {"1n2k1s1l/rp4gb1/l3sp2p/p1ppp1pp1/PG3g1n1/4GPPP1/L3SRS1P/1P1K5/1NB4NL w 3p 1",
     "乱手同士 87手目"},
    {"l1s2k1nl/r1g1g1sb1/1pnpppp1p/p1p4p1/P6P1/2P6/1P1PPPP1P/LB1GK1RS1/1NSG3NL w - 1",
     "乱手同士 23手目"},
    {"lns1kgsnl/4r2b1/ppp1pp+Bpp/2gp5/9/2P3PP1/PP1PPP1RP/L1S1G1S1L/1N1GK2N1 w P 1",
     "乱手同士 23手目"},
    {"1ngsk2n1/l2r2sbl/p1p1p1p1g/1p1p1p1pp/7P1/1P3P2P/P1PPP1P1S/1BSKG2R1/LN3G1NL w - 1",
     "乱手同士 39手目"},
    {"1n1gk2nb/l1s1g1r1l/p1pp1sp2/4pp2p/1p5p1/P1P1P1P2/BPNP1P1PP/L1S1G1GRL/3K2SN1 w - 1",
     "乱手同士 31手目"},
    {"1ns4nb/3g2k2/lpp1grs1l/p2p1p1p1/1N2pPpNp/P1PPG1P1S/LPB1PR1P1/3S1G2L/1K7 w p 1",
     "乱手同士 65手目"},
    {"l3g1snl/s4k1b1/4rpg1p/pP2p1Pp1/2pp4n/PBP1P2PP/1N1PGP3/L1SG1K1S1/1N4R1L w 2P 1",
     "乱手同士 71手目"},
    {"lngk5/r4gs1l/2psppPp1/pp1P5/5n2p/PPPG+b3P/N3PPGPN/Lb3SKRL/4S4 w 2P 1", "乱手同士 57手目"},
    {"l1s2gbn1/1r1gks2l/1ppppp1pp/p5p2/1n3P3/PP1P5/L1P1P1PPP/1BG3R2/1NSKG1SNL w - 1",
     "乱手同士 19手目"},
    {"ln2k1snl/2sg1r1b1/pppppgpp1/5p2p/9/1P2PP3/P1PP2PPP/1B1G2G1R/LNS2KSNL w - 1",
     "乱手同士 17手目"},
    {"lnsg1gsnl/1r1k3b1/2pppp1pp/6p2/1p7/p5P1P/1PPPPP1P1/LBGK2SRL/1NS2G1N1 w p 1",
     "COM対乱手 15手目"},
    {"ln1g2snl/2ks2g2/2ppp2p1/8P/p5p2/1P7/P1PPP+r1P1/LBK3+p2/1NSG+b4 w Prgsnl3p 1",
     "COM対乱手 71手目"},
    {"1nsg2snl/3k1g3/2ppppbp1/lr7/pp2P4/3P1Pp1p/PPP1G2P1/L1R1K1S2/BNS2G1NL w 2p 1",
     "COM対乱手 31手目"},
    {"ln1g2snl/2ks2gb1/2pppp1p1/1r4p1p/pp7/2P1PPPPP/PP1P1S3/1B2GG1RL/LNS1K2N1 w - 1",
     "COM対乱手 27手目"},
    {"ln1g2snl/1rks2g2/2pppp1p1/3b2p2/p4P2p/4G2P1/P+pPP1GP1P/L4R3/BN1KS1SNL w 2p 1",
     "COM対乱手 31手目"},
    {"lnsg2snl/1r1k2gb1/2pppp1pp/6p2/pp7/2PB3P1/PP1PPPP1P/2GK1RS2/LNS2G1NL w - 1",
     "COM対乱手 15手目"},
    {"ln1g1gsnl/2ks3b1/2pppp1pp/1r7/pp4p1P/2P2P3/PP1PP1NP1/1BK1GS2R/LNS3G1L w p 1",
     "COM対乱手 41手目"},
    {"lnsg1gsnl/1r1k3b1/2pppp1pp/1p4p2/p8/1PP6/P2PPPPPP/1B2GKSR1/LNS2G1NL w - 1",
     "COM対乱手 11手目"},
    {"lnsg1gsnl/1rk6/2pppp1pp/6p2/pp3P3/3b2P2/PPP1P2PP/3S1KR2/LNBG1GSNL w p 1", "COM対乱手 17手目"},
    {"ln1g1gsnl/1rks3b1/2pppp1p1/6p1p/p8/2PP2P2/P1NSPP1PP/1+pG1G2R1/L3KS1NL w bp 1",
     "COM対乱手 25手目"},
    {"lnsg1g1nl/1r1k5/2ppppspp/p3b1p2/1p7/2P3P1P/PPBPPP1P1/3G1SGR1/LNS1K2NL w - 1",
     "COM対乱手 17手目"},
    {"lnsg1gsnl/1r4kb1/p1ppp2pp/6p2/Pp3p3/L2P2P1P/1PP1PP1P1/1BSRK2SL/1N1G1G3 w n 1",
     "COM対乱手 43手目"},
    {"ln1g1gsnl/2ks3b1/2pppp1p1/1r4p1p/pp6P/2P1P1P2/PP1P1P1P1/1B1GG2R1/LNSK2SNL w - 1",
     "COM対乱手 21手目"},
    {"lnsg1gsnl/3k3b1/2pppp1pp/5Pb2/p5p2/7PP/+r1PPP3N/3G1S1GR/1+p2K3L w snl3p 1",
     "COM対乱手 41手目"},
    {"ln1g1gsnl/1k1s5/2ppppbp1/1r4p1p/p8/1pP2P2P/P3P1PP1/1BGSR3L/LN1KSG1N1 w 2p 1",
     "COM対乱手 29手目"},
    {"ln1g1gsnl/2ks5/2pppp1p1/pr4p2/1p6p/P1P3P2/1PGPPP1PP/1+bS1KGR2/1N4SNL w bl 1",
     "COM対乱手 27手目"},
    {"ln1g1gsnl/1rks5/2pppp1pp/6p2/pp1P5/2P2P3/PP1+lPKPPP/7RL/+bN1GG1SN1 w bs 1",
     "COM対乱手 25手目"},
    {"ln1g1gsnl/1rks3b1/2ppp2pp/5pp2/1pP6/p2P1P3/1P2PSPPP/2K4R1/LNSGG2NL w bp 1",
     "COM対乱手 21手目"},
    {"ln1g1gs1l/2ks3b1/2ppppnp1/6p1p/p1PP5/8P/P3PPPPL/L5SR1/2+r1GK1N1 w bgsn2p 1",
     "COM対乱手 37手目"},
    {"ln1g1gsnl/1rks3b1/2pppp1p1/6p1p/pp7/6P1P/P1PPPP1P1/1BGS1S1RL/LN2KG1N1 w p 1",
     "COM対乱手 19手目"},
};

int 文字の駒(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'P': return 歩;
        case 'L': return 香;
        case 'N': return 桂;
        case 'S': return 銀;
        case 'G': return 金;
        case 'B': return 角;
        case 'R': return 飛;
        case 'K': return 王;
        default: return 0;
    }
}

}  // namespace

std::span<const ベンチ局面> 探索の局面() { return 局面表; }

局面 SFENの局面(const char* sfen) {
    局面 p{};
    const char* s = sfen;
    int x = 1, y = 1;
    bool 成り = false;
    for (; *s != ' '; ++s) {
        if (*s == '/') {
            x = 1;
            ++y;
        } else if (*s == '+') {
            成り = true;
        } else if (std::isdigit(static_cast<unsigned char>(*s))) {
            x += *s - '0';
        } else {
            const bool man = std::isupper(static_cast<unsigned char>(*s));
            const int code = 文字の駒(*s) + (成り ? 1 : 0);
            p.盤[x][y] = static_cast<駒型>(man ? -code : code);
            if (code == 王) {
                (man ? p.MAN王X : p.COM王X) = x;
                (man ? p.MAN王Y : p.COM王Y) = y;
            }
            成り = false;
            ++x;
        }
    }
    s += 3;  // " w "
    for (int n = 0; *s != ' ' && *s != '-'; ++s) {
        if (std::isdigit(static_cast<unsigned char>(*s))) {
            n = n * 10 + (*s - '0');
            continue;
        }
        const bool man = std::isupper(static_cast<unsigned char>(*s));
        const int kind = 持駒種類(文字の駒(*s));
        const int count = n == 0 ? 1 : n;
        (man ? p.MAN持駒 : p.COM持駒)[kind] = static_cast<駒型>(count);
        (man ? p.MAN持駒数 : p.COM持駒数) += count;
        n = 0;
    }
    return p;
}

}  // namespace yukora::bench

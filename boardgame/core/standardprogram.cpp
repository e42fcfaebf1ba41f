#include "standardprogram.h"

#include <array>
#include <string_view>

#include "cp1251.h"

namespace boardgame {

namespace {

// The texts are written here in UTF-8, one array element per line; `в`, `хх` and `уу` are Cyrillic
// names, distinct from the Latin x and y that the host sets.
constexpr std::string_view kInternal[] = {
    "ifdo(square(x,y)$empty)(;",
    "sum=0;a=1;в=0;c=1;f=tit;n1=0;n2=0;",
    "begin:;",
    "ifdo(square(x+a*c,y+в*c)$f)(n1=n1+1;n2=n2+1;",
    "ifdo(c*c<16)c=c+sgn(c);gotodopol(begin);d_a_l:pusto();)d_a_l:pusto();",
    "ifdo(square(x+a*c,y+в*c)$-f)n2=n2-1;d_a_l:pusto();",
    "c=-sgn(c);ifdo(c$-1)gotodopol(begin);d_a_l:pusto();",
    "ifdo(n1$4)mark=(1+5*(f+1))*10^9;",
    "elsed:mark=(70+110*(f+1))^n2;d_a_l:pusto();",
    "sum=sum+mark;",
    "n1=0;n2=0;f=-f;ifdo(f$tat)gotodopol(begin);d_a_l:pusto();",
    "a=a-в;в=1;ifdo(a+в}0)gotodopol(begin);d_a_l:pusto();",
    "ifdo(sum}most)most=sum;хх=x;уу=y;",
    "d_a_l:pusto();)d_a_l:pusto();",
    "ifdo(x$20&y$20)move(хх,уу);d_a_l:pusto();",
};

constexpr std::string_view kEnglish[] = {
    "If Square(X,Y)=Empty Then (",
    "Sum=0;  A=1;  В=0;  C=1;  F=Tit;  N1=0;  N2=0;",
    "Begin:",
    "  If Square(X+A*C, Y+В*C)=F ",
    "             Then (N1=N1+1; N2=N2+1; ",
    "                             If C*C<16 Then C=C+Sgn(C); Go to Begin;)",
    "  If Square(X+A*C, Y+В*C)=-F Then N2=N2-1;",
    "  C=-Sgn(C); If C=-1 Then Go to Begin;",
    "  If N1=4 Then Mark=(1+5*(F+1))*10^9;",
    "                           Else Mark=(70+110*(F+1))^N2;",
    "  Sum=Sum+Mark;",
    "  N1=0; N2=0; F=-F; If F=Tat Then Go to Begin;",
    "  A=A-В; В=1; If A+В>=0 Then Go to Begin;",
    "  If Sum>=Most Then Most=Sum; ХХ=X; УУ=Y;",
    " )",
    "If X=20 and Y=20 Then Move(ХХ, УУ);",
};

// The other four texts are what the writers make of the internal text.
constexpr std::string_view kRussian[] = {
    " Если ( Клетка(x,y)=пустая) Тогда ((; ",
    "sum=0; a=1; в=0; c=1; f=крестик; n1=0; n2=0; ",
    "Начало: ; ",
    " Если ( Клетка(x+a*c,y+в*c)=f) Тогда ((n1=n1+1; n2=n2+1; ",
    " Если (c*c<16) Тогда (c=c+sgn(c); Переход на Начало; ) ) ) ",
    " Если ( Клетка(x+a*c,y+в*c)=-f) Тогда (n2=n2-1; ) ",
    "c=-sgn(c); Если (c=-1) Тогда ( Переход на Начало; ) ",
    " Если (n1=4) Тогда (mark=(1+5*(f+1))*10^9; ",
    " ) Иначе (mark=(70+110*(f+1))^n2; ) ",
    "sum=sum+mark; ",
    "n1=0; n2=0; f=-f; Если (f=нолик) Тогда ( Переход на Начало; ) ",
    "a=a-в; в=1; Если (a+в>=0) Тогда ( Переход на Начало; ) ",
    " Если (sum>=most) Тогда (most=sum; хх=x; уу=y; ",
    " ) ) ) ",
    " Если (x=20  и y=20) Тогда ( Ход(хх,уу); ) ",
};

constexpr std::string_view kBasic[] = {
    "IF ( Square(x,y)=empty) THEN ",
    "sum=0: a=1: в=0: c=1: f=tit: n1=0: n2=0",
    "begin: ",
    "IF ( Square(x+a*c,y+в*c)=f) THEN ",
    "n1=n1+1: n2=n2+1",
    "IF (c*c<16) THEN ",
    "c=c+sgn(c): GOTO begin",
    "End IF",
    "End IF",
    "IF ( Square(x+a*c,y+в*c)=-f) THEN ",
    "n2=n2-1",
    "End IF",
    "c=-sgn(c): IF (c=-1) THEN ",
    " GOTO begin",
    "End IF",
    "IF (n1=4) THEN ",
    "mark=(1+5*(f+1))*10^9",
    " ELSE ",
    "mark=(70+110*(f+1))^n2",
    "End IF",
    "sum=sum+mark",
    "n1=0: n2=0: f=-f: IF (f=tat) THEN ",
    " GOTO begin",
    "End IF",
    "a=a-в: в=1: IF (a+в>=0) THEN ",
    " GOTO begin",
    "End IF",
    "IF (sum>=most) THEN ",
    "most=sum: хх=x: уу=y",
    "End IF",
    "End IF",
    "IF (x=20  and y=20) THEN ",
    " Move(хх,уу)",
    "End IF",
};

constexpr std::string_view kPascal[] = {
    "Begin",
    "if ( Square(x,y)=empty) then   Begin ; ",
    "sum:=0; a:=1; в:=0; c:=1; f:=tit; n1:=0; n2:=0; ",
    "Label__1: ",
    "if ( Square(x+a*c,y+в*c)=f) then   Begin n1:=n1+1; n2:=n2+1; ",
    "if (c*c<16) then  Begin  c:=c+sgn(c); goto Label__1 end  end ; ",
    "if ( Square(x+a*c,y+в*c)=-f) then  Begin  n2:=n2-1 end ; ",
    "c:=-sgn(c); if (c=-1) then  Begin  goto Label__1 end ; ",
    "if (n1=4) then  Begin  mark:=(1+5*(f+1))*10^9; ",
    "  end  else  Begin  mark:=(70+110*(f+1))^n2 end ; ",
    "sum:=sum+mark; ",
    "n1:=0; n2:=0; f:=-f; if (f=tat) then  Begin  goto Label__1 end ; ",
    "a:=a-в; в:=1; if (a+в>=0) then  Begin  goto Label__1 end ; ",
    "if (sum>=most) then  Begin  most:=sum; хх:=x; уу:=y end ",
    " end ; ",
    "if (x=20 and y=20) then  Begin   Move(хх,уу) end ; ",
    "End.",
};

constexpr std::string_view kCpp[] = {
    "if ( Square(x,y)==empty)  {; ",
    "sum=0; a=1; в=0; c=1; f=tit; n1=0; n2=0; ",
    "begin: ",
    "if ( Square(x+a*c,y+в*c)==f)  {n1=n1+1; n2++; ",
    "if (c*c<16) { c=c+sgn(c); goto begin; }  } ",
    "if ( Square(x+a*c,y+в*c)==-f) { n2=n2-1; } ",
    "c=-sgn(c); if (c==-1) {  goto begin; } ",
    "if (n1==4) { mark=(1+5*(f+1))*10^9; ",
    " } else { mark=(70+110*(f+1))^n2; } ",
    "sum+=mark; ",
    "n1=0; n2=0; f=-f; if (f==tat) {  goto begin; } ",
    "a-=в; в=1; if (a+в>=0) {  goto begin; } ",
    "if (sum>=most) { most=sum; хх=x; уу=y; ",
    " }  } ",
    "if (x==20 && y==20) {  Move(хх,уу); } ",
};

template <size_t N>
std::string joinLines(const std::string_view (&lines)[N], bool finalBreak) {
    std::string utf8;
    for (size_t i = 0; i < N; ++i) {
        utf8 += lines[i];
        if (i + 1 < N || finalBreak) utf8 += "\r\n";
    }
    return mindloom::utf8ToCp1251(utf8).text;
}

const std::array<std::string, 6>& texts() {
    static const std::array<std::string, 6> all = {
        joinLines(kInternal, true),  joinLines(kRussian, false), joinLines(kEnglish, false),
        joinLines(kBasic, false),    joinLines(kPascal, false),  joinLines(kCpp, false),
    };
    return all;
}

}  // namespace

const std::string& standardText(int index) {
    static const std::string none;
    return index >= 0 && index < 6 ? texts()[index] : none;
}

const std::string& defaultLibraryText() {
    static const std::string text = [] {
        std::string library = "@Standard,015,2\r\n[[";
        for (const std::string& t : texts()) library += t + "]";
        library += "\r\n";
        return library;
    }();
    return text;
}

}  // namespace boardgame

#include "library_samples.h"

#include <cp1251.h>

#include <initializer_list>

namespace library_test {
namespace {

std::string lines(std::initializer_list<const char*> parts) {
    std::string out;
    for (const char* part : parts) {
        out += cp1251(part);
        out += "\r\n";
    }
    return out;
}

}  // namespace

std::string cp1251(const char* utf8) { return mindloom::utf8ToCp1251(utf8).text; }

std::string painterSample() {
    return lines({"#F1.bmp,11Pencil,1", "[n[lineto(a,b);", "] Линия до(a,b); ] LineTo(A,B);] LineTo(a,b)]Begin",
                  " LineTo(a,b); ", "End.] LineTo(a,b); ]"}) +
           lines({"#F8.bmp,11Square,2", "[n[ifdo(a<b)m=a;elsed:m=b;d_a_l:pusto();", "rectangle(0,0,m,m);",
                  "] Если (a<b) Тогда (m=a; ) Иначе (m=b; ) ",
                  " Прямоугольник(0,0,m,m); ] If A<B Then M=A; Else M=B;", " Rectangle(0,0,M,M);]IF (a<b) THEN ",
                  "m=a", " ELSE ", "m=b", "End IF", " Rectangle(0,0,m,m)]Begin",
                  "if (a<b) then  Begin  m:=a;  end  else  Begin  m:=b end ; ", " Rectangle(0,0,m,m); ",
                  "End.]if (a<b) { m=a; } else { m=b; } ", " Rectangle(0,0,m,m); ]"}) +
           lines({"@Negative,111,1", "[b[point(x,y,white-color(x,y));",
                  "] Точка(x,y,белый- Цвет(x,y)); ] Point(X, Y, White - Color(X,Y) ); ] Point(x,y,white- "
                  "Color(x,y))]Begin",
                  " Point(x,y,white- Color(x,y)); ", "End.] Point(x,y,white- Color(x,y)); ]"});
}

std::string boardSample() {
    // A forward jump: the label is defined after the jump to it.
    return lines({"@Standard,015,2", "[[gotodopol(m);", "k=1;", "m:n=2;", "]Гоу]Go]Go]Go]Go]"});
}

}  // namespace library_test

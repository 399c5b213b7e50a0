#include "text/AllText.h"

#include <array>

namespace quillon {

int LangIndex = 0;

namespace {

// One row per text number: German, English, Spanish, Italian, Portuguese, exactly as shown (leading
// and trailing blanks are part of a text). Numbers without a row read as the empty string.
// The numbers up to 621 are the program's original texts; later additions have ranges of their own:
// 790-799 the settings file, 820-839 copy as.
struct Row {
    int k;
    const char* text[5];
};

// clang-format off
constexpr Row kRows[] = {
    {0, {"Quillon", "Quillon", "Quillon", "Quillon", "Quillon"}},
    {1, {"Vektorrechnung", "Vector calculation", "Cálculo vectorial", "Calcolo vettoriale", "Cálculo Vetorial"}},
    {2, {"Die Idee für Quillon hatte ich Ostern 1999.", "The idea of this program i had Easter 1999.", "La idea de este programa la tuve en Pascua 1999.", "L´idea per Quillon l´ho avuta a Pasqua 1999.", "A idéia deste programa foi feita na Páscoa de 1999."}},
    {3, {"Wenn Sie wissen wollen, wann mal wieder Ostern ist, geben Sie ", "If you like to know, when Easter is again, type the ", "Si quieres saber cuando es la Pascua, teclea el ", "Se volete sapere quando è di nuovo Pasqua, digitate l´anno ", "Se você quiser saber quando será a Páscoa novamente, tecle "}},
    {4, {"bitte eine Jahreszahl ein und drücken Sie die Enter-Taste.", "year number and press ENTER.", "número del año y presiona ENTER.", "e premete Enter.", "o número do ano e pressione Enter"}},
    {5, {"Verfügbarer Windows-Speicher:", "Memory:", "Memoria:", "Memoria windows disponibile:", "Memória:"}},
    {6, {"Januar", "January", "Enero", "gennaio", "Janeiro"}},
    {7, {"Februar", "February", "Febrero", "febbraio", "Fevereiro"}},
    {8, {"März", "March", "Marzo", "marzo", "Março"}},
    {9, {"April", "April", "Abril", "aprile", "Abril"}},
    {10, {"Mai", "May", "Mayo", "maggio", "Maio"}},
    {11, {"Juni", "June", "Junio", "giugno", "Junho"}},
    {12, {"Juli", "July", "Julio", "luglio", "Julho"}},
    {13, {"August", "August", "Agosto", "agosto", "Agosto"}},
    {14, {"September", "September", "Septiembre", "settembre", "Setembro"}},
    {15, {"Oktober", "October", "Octubre", "ottobre", "Outubro"}},
    {16, {"November", "November", "Noviembre", "novembre", "Novembro"}},
    {17, {"Dezember", "December", "Diciembre", "dicembre", "Dezembro"}},
    {18, {"Berechnen", "Calculate", "Calcular", "Calcolare", "Calcular"}},
    {19, {"Punkt, Gerade,Ebene", "Point, line, plane", "Punto, recta, plano", "Punto, linea, piano", "Ponto, Reta, Plano"}},
    {28, {"Berechnen", "Calculate", "Calcular", "Calcolare", "Calcular"}},
    {29, {"Matrizen", "Matrices", "Matrices", "Matrici", "Matrizes"}},
    {30, {"Koordinaten", "Coordinate", "Coordenadas", "Coordinate", "Coordenadas"}},
    {37, {"Kugelkoordinaten", "Spherical coordinates", "Coordenadas esféricas", "Coordinate sferiche", "Coordenadas Esféricas"}},
    {38, {"Kartesische Koordinaten", "Cartesian coordinates", "Coordenadas cartesianas", "Coordinate cartesiane", "Coordenadas Cartesianas"}},
    {39, {"Zylinderkoordinaten", "Cylindrical coordinates", "Coordenadas cilíndricas", "Coordinate cilindriche", "Coordenadas Cilíndricas"}},
    {40, {"Währungsumrechnung", "Transformation of rates", "Cambio de monedas", "Conversione della moneta", "Conversão de moedas"}},
    {41, {"Währungsumrechnung in Europa mit den seit dem 1.1.1999 gültigen Kursen.", "Rate of exchange calculation in Europe with the rates valid since January 1, 1999", "Cálculo del cambio de divisas en Europa con las paridades validas desde 1-1-1999", "Conversione della valuta in Europa secondo le tabelle valide dal 1.1.1999", "Cálculo da taxa de câmbio na Europa nas proporções válidas deste 01-01-1999"}},
    {42, {"Umrechnungsfaktor", "Transformation factor", "Factor de transformación", "Fattore di conversione", "Fator de conversão ou transformação "}},
    {43, {"Eigenwert:", "Intrinsic value:", "Valor intrinseco:", "Autovalore:", "Valor intrínsico:"}},
    {44, {"Eigenwerte:", "Intrinsic values:", "Valores intrinsecos:", "Autovalori:", "Valores intrínsicos:"}},
    {45, {"Datei", "File", "File", "File", "Arquivo"}},
    {46, {"Speichern", "Save", "Grabar", "Salvare", "Salvar"}},
    {49, {"Drucken", "Print", "Imprimir", "Stampare", "Imprimir"}},
    {51, {"Druckereinstellung", "Printer setup", "Configuración Impresora", "Regolazione della stampa", "Configuração da impressora"}},
    {53, {"Beenden", "Exit", "Salir", "Uscire", "Sair"}},
    {54, {"Optionen", "Options", "Opciones", "Opzioni", "Opções"}},
    {55, {"Info", "Info", "Info", "Info", "Informação"}},
    {60, {"Umrechnung von kartesischen Koordinaten in Kugel- und Zylinderkoordinaten", "Transformation of Cartesian coordinates in spherical and cylindrical coordinates", "Transformación de coodenadas cartesianas en esféricas y cilíndricas", "Conversione di coordinate cartesiane in coordinate sferiche e cilindriche", "Transformação das Coordenadas Cartesianas em Coordenadas Esféricas e Cilíndricas"}},
    {61, {"Anzahl der Werte im Speicher", "Number of values in memory", "Numero de valores en memoria", "Numero di valori in memoria", "Número de valores na na memória"}},
    {62, {"Kopiere automatisch das Ergebnis nach der Berechnung in das Eingabefeld des Vektors a", "Copy the solution in the edit field of vector a automatically", "Copiar la solución en la casilla del vector a automaticamente", "Copia automaticamente il risultato secondo il calcolo nel campo vettoriale a", "Copiar a solução no vetor de campo de edição automaticamente"}},
    {63, {"Skalarprodukt", "Scalar product", "Producto escalar", "Prodotto scalare", "Produto Escalar"}},
    {64, {"Multiplikation einer Zahl mit einem Vektor", "Multiplication of a number with a vector", "Multiplicación de un número por un vector", "Moltiplicazione di un numero per un vettore", "Multiplicação de um número (de uma constante) por um vetor"}},
    {65, {"Subtraktion", "Subtraction", "Substración", "Sottrazione", "Subtração"}},
    {66, {"Addition", "Addition", "Adición", "Addizione", "Adição"}},
    {67, {"Alles löschen", "Delete all", "Borrar todo", "Cancella tutto", "Apagar tudo"}},
    {68, {"Kopiert das Ergebnis in das Feld von a", "Copy the solution in the edit field of vector a", "Copiar la solución en la casilla del vector a", "Copia il risultato nel campo vettoriale di a", "Copiar a solução no vetor de campo de edição"}},
    {69, {"Speicher löschen", "Erase memory", "Borrar memoria", "Cancella cio´che è in memoria", "Apagar da memória"}},
    {70, {"Kopiere den Vektor a in den Speicher", "Copy vector a to memory", "Copiar vector a a memoria", "Copia il vettore a in memoria", "Copiar o vetor na memória"}},
    {71, {"Addiere den Vektor a zum Speicher", "Add vector a to memory", "Sumar vector a a memoria", "Copia il vettore a in memoria", "Copiar vetor na memória"}},
    {72, {"Umwandlung Kugelkoordinaten in kartesische und Zylinderkoordinaten", "Transformation of spherical coordinates in Cartesian and cylindrical coordinates", "Transformación de coordenadas esféricas en cartesianas y cilíndircas", "Trasformazione delle coordinate sferiche in coordinate cartesiane e cilindriche", "Transformação das Coordenadas esféricas em Coordenadas Cartesianas e Cilíndricas"}},
    {73, {"Umwandlung Zylinderkoordinaten in kartesische und Kugelkoordinaten", "Transformation of cylindrical coordinates in Cartesian and spherical coordinates", "Transformación de coordenadas cilíndricas en artesianas y esféricas", "Trasformation delle coordinate cilindriche in coordinate catesiane e sferiche", "Transformação das Coordenadas Cilíndricas em Coordenadas Cartesianas e Esféricas"}},
    {80, {"Parameterform", "Parameter form", "Forma paramétrica", "Forma parametrica", "Forma Paramétrica"}},
    {81, {"Punktform", "Point form", "Forma puntos", "Forma puntuale", "Forma Ponto"}},
    {82, {"Normalenform", "Normal form", "Forma normal", "Forma normale", "Forma Normal"}},
    {83, {"Koordinatenform", "Coordinates form", "Forma coordenada", "Forma coordinata", "Forma Coordenada"}},
    {84, {"Punkt", "Point", "Punto", "Punto", "Ponto"}},
    {85, {"Gerade", "Line", "Recta", "Linea", "Reta"}},
    {86, {"Ebene", "Plane", "Plano", "Piano", "Plano"}},
    {87, {"Kugel", "Sphere", "Esfera", "Sfera", "Esfera"}},
    {88, {"Beenden", "Close", "Cerrar", "Smetti", "Fechar"}},
    {89, {" ist Drehmatrix (det ", " is rotation matrix (det ", " es matriz de rotación (det ", " è matrice di rotazione (det ", "é matriz Transporta (det "}},
    {90, {"Spur", "Trace", "Traza", "Traccia", "Traço"}},
    {91, {" ist Einheitsmatrix.", " is unit matrix.", " es matriz identidad.", " è la matrice unitá.", "é matriz unidade."}},
    {92, {" ist nicht invertierbar.", " can not be inverted.", " no puede ser invertida.", " non puó essere invertita.", "não pode ser inversa."}},
    {94, {"Theta ist Winkel an z-Achse", "Theta is angle to z-axis", "Theta es el ángulo con el eje z", "Theta e´angolo con l´asse-z.", "Teta é o ângulo com o eixo z"}},
    {95, {"Theta ist Winkel an xy-Ebene", "Theta is angle to xy-plane", "Thete es el ángulo con el plano xy", "Theta e´angolo con il piano xy", "Teta é o ângulo com o plano xy"}},
    {96, {" ist orthogonal.", " is orthogonal.", " es ortogonal.", " è ortogonale.", "é ortogonal."}},
    {97, {"A ist nicht orthogonal.", "A is not orthogonal.", "A no es ortogonal.", "A non è ortogonale.", "A não é ortogonal."}},
    {98, {" ist symetrisch.", " is symetric.", " is simétrica.", " è simetrico.", "é simétrico(a)."}},
    {99, {"Drehmatrix", "rotation matrix", "matriz de rotación", "matrice di rotazione", "matriz Transporta"}},
    {150, {"Deutsche Mark", "German mark", "Marco Alemán", "Marco Tedesco", "Marco Alemão"}},
    {152, {"Französische Franc", "French franc", "Franco Francés", "Franco Francese", "Franco Francês"}},
    {154, {"Belgische Franc", "Belgien franc", "Franco Belga", "Franco Belga", "Franco Belga"}},
    {156, {"Luxemburgische Franc", "Luxembourg franc", "Franco Luxemburgo", "Franco Lussemburghese", "Franco Luxemburgo"}},
    {158, {"Niederländische Gulden", "Netherland Gulden", "Florín Holandes", "Fiorino Olandese", "Florim Holandês"}},
    {160, {"Spanische Peseta", "Spanish peseta", "Peseta Española", "Peseta Spagnola", "Pesseta Espanhola"}},
    {162, {"Portugiesische Escudo", "Portugiese escudo", "Escudo Portugues", "Escudo Portogese", "Escodo Portugês"}},
    {164, {"Italienische Lira", "Italian lira", "Lira Italiana", "Lira Italiana", "Lira Italiana"}},
    {166, {"Östereichische Schilling", "Austrian schilling", "Corona Austriaca", "Scellino Austriaco", "Shilling Austríaco"}},
    {168, {"Irische Punt", "Irish Punt", "Libra Irlandesa", "Sterlina Irlandese", "Libra Irlandesa"}},
    {170, {"Finnische Mark", "Finnish mark", "Marco Finlandes", "Marco Finlandese", "Marco Filandês"}},
    {172, {"Euro", "Euro", "Euro", "Euro", "Euro"}},
    {300, {"Einstellungen", "Configuration", "Configuración", "Configurazione", "Configuração"}},
    {301, {"Zahlenformat ", "Number format", "Formato de numero", "Formato numerico", "Formato numérico"}},
    {302, {"Ausgabeformat der Zahlenwerte", "Output format of the number values", "Formato de salida de valores numéricos", "Formato in uscita del valore del numero", "Saída do formato de valores numéricos"}},
    {303, {"Genauigkeit  (max 18)", "Precision  (max 18)", "Precisión (max 18)", "Precisione (max 18)", "Precisão (máx 18)"}},
    {304, {"Minimale Stellenanzahl im Exponenten (0-4)", "Minimal number of places in the exponent (0-4)", "Número mínimo de cifras en el exponente (0-4)", "Numero minimo di cifre dell´ esponente (0-4)", "Número mínimo de d´gitos no expoente (0-4)"}},
    {305, {"Anzahl der Nachkommastellen (0-18)", "Number of places after the decimal point", "Número de cifras después de la coma", "Numero delle cifre dopo la virgola", "Número de dígitos depois da vírgula (0-18) "}},
    {306, {"Default", "Default", "Por defecto", "Default", "Padrão"}},
    {307, {"Punkt, Gerade, Ebene, Kugel", "Point, Line, Plane, Sphere", "Punto, Recta, Plano, Esfera", "Punto, Linea, Piano, Sfera", "Ponto, Reta, Plano, esfera"}},
    {308, {"(Dreieckfläche, Kugelvolumen, Kugeloberfläche)", "(area of triangle, volume of sphere, surface area of sphere)", "(area del triangulo, volumen de la esfera, superficie de la esfera)", "(Area del triangolo, Volume della sfera, Superficie della sfera)", "(Área do triângulo, Volume da esfera, Superfície da área da esfera)"}},
    {309, {"Text vor jeder Rechnung löschen ", "Delete text before calculating", "Borrar texto después del cálculo", "Cancella il testo prima del calcolo", "Apagar o texto antes de calcular"}},
    {310, {"Trennstrich", "Line", "Recta", "Trattino", "Reta"}},
    {311, {"Eingabewerte (empfohlen gegen Tippfehler) ", "Input value (recommended to prevent typographical errors)", "Valor de entrada (recomendado para evitar errores tipográficos)", "Input valore (consigliato per evitare errori di battitura)", "Valor de entrada (recomendado na prevenção de erros tipográficos)"}},
    {312, {"Spiegelungen", "Reflections", "Reflejos", "Riflessi", "Projeção"}},
    {313, {"Abstand", "Distance", "Distancia", "Distanza", "Distância"}},
    {314, {"Zusatzinformationen", "Additional information", "Información adicional", "Ulterioni informazioni", "Informação adicional"}},
    {315, {"Schnittinformation", "Information about intersection", "Información sobre intersección", "Informazioni circa l´intersezione", "Informação sobre interseção"}},
    {316, {"Sprache", "language", "Idioma", "Lingua", "Língua"}},
    {317, {"Abbrechen", "Cancel", "Cancelar", "Cancellare", "Cancelar"}},
    {318, {"OK", "OK", "OK", "OK", "OK"}},
    {319, {"Allgemeines Format", "General", "General", "Generale", "Geral"}},
    {320, {"Wissenschaftliches Format", "Exponent", "Exponente", "Esponente", "Expoente"}},
    {321, {"Festkommaformat", "Fixed", "Fijo", "Formato in virgola fissa", "Fixo"}},
    {322, {"Zahlenformat", "Numeric", "Numerico", "Numerico", "Numérico"}},
    {323, {"Deutsch", "English", "Español", "Italiano", "Português"}},
    {362, {"Radius r1", "Radius r1", "Radio r1", "Raggio r1", "Raio r1"}},
    {363, {"Volumen V1", "Volume V1", "Volumen V1", "Volume V1", "Volume V1"}},
    {364, {"Oberfläche O1", "Surface area A1", "Area A1", "Superficie area A1", "Área da superfície A1"}},
    {365, {"Radius r2", "radius r2", "Radio r2", "Raggio r2", "Raio r2"}},
    {366, {"Volumen V2", "Volume V2", "Volumen V2", "Volume V2", "Volume V2"}},
    {367, {"Oberfläche O2", "Surface area A2", "Area A2", "Area della superficie A2", "Área da superfície A2"}},
    {368, {"Volumen V1", "Volume V1", "Volumen V1", "Volume V1", "Volume V1"}},
    {369, {"Oberfläche O1", "Surface area A1", "Area A1", "Area della superficie A1", "Área da superfície A1"}},
    {370, {"Volumen V2", "Volume V2", "Volumen V2", "Volume V2", "Volume V2"}},
    {371, {"Oberfläche O2", "Surface area A2", "Area A2", "Area della superficie A2", "Área da superfície A2"}},
    {381, {"Punkt", "Point", "Punto", "Punto", "Ponto"}},
    {382, {"Gerade", "Line", "Recta", "Linea", "Reta"}},
    {383, {"Ebene", "Plane", "Plano", "Piano", "Plano"}},
    {384, {"Kugel", "Sphere", "Esfera", "Sfera", "Esfera"}},
    {385, {"Das Osterfest war am ", "Easter was on ", "Pascua was el ", "Pasqua è stata il ", "A Páscoa foi em "}},
    {386, {"Das Osterfest ist am ", "Easter is on ", "Pascua es el ", "Pasqua è il ", "A Páscoa é em "}},
    {401, {"K", "S", "S", "S", "S"}},
    {432, {"Mittelpunkt: ", "Center: ", "Centro: ", "Centro: ", "Centro: "}},
    {433, {"Gerade durch P1 und P2: ", "Line through P1 and P2: ", "Recta pasando por P1 y P2: ", "Linea passante per P1 e P2: ", "Reta passando por P1 e P2: "}},
    {438, {" liegt auf ", " lies on ", " esta sobre ", " giace su ", "está sobre "}},
    {439, {"Fußpunkt: ", "Foot point: ", "Punto base: ", "Piede: ", "Ponto base: "}},
    {440, {"Lot: ", "Perpendiculuar: ", "Perpendicular: ", "Perpendicolare: ", "Perpendicular: "}},
    {441, {"Lotgerade: ", "Perpendiculuar line: ", "Recta perpendicular: ", "Retta perpendicolare: ", "Reta perpendicular: "}},
    {443, {"Fläche des Dreiecks ", "Area of the triangle ", "Area del triángulo ", "Area del triangolo ", "Área do triângulo "}},
    {451, {" ;bzw E: ", " or E: ", " o E: ", " o E: ", "ou E: "}},
    {453, {"P liegt auf der gleichen Seite von E wie der Nullpunkt.", "P lies on the same side of E as the zero point.", "P está sobre la misma cara de E que el punto cero", "P giace sullo stesso lato di E come il punto 0.", "P está sobre o mesmo lado de E como o ponto (0)zero."}},
    {454, {"P liegt auf der anderen Seite von E wie der Nullpunkt.", "P lies on the other side of E as the zero point.", "P esta sobre la cara contraria de E que el punto cero.", "P giace sul lato opposto ad e come il punto 0.", "P está no outro lado de E como o ponto (0) zero."}},
    {455, {"Normalvektor: ", "Normal vector: ", "Vector normal: ", "Vettore normale: ", "Vetor normal: "}},
    {456, {"Fußpunkt des Lotes: ", "Foot point of the perpendicular: ", "Punto base de la perpendicular: ", "Piede della perpendicolare: ", "Ponto base da perpendicular: "}},
    {457, {"Lotgerade (durch P; senkrecht auf E): ", "Perpendicular line (through P; perpendicular to E): ", "Recta perpendicular (pasa por P; perpendicular a E): ", "Retta perpendicolare (passante per p perpendicolare a E): ", "Reta perqpendicular (passando por P, perpendicular a E): "}},
    {464, {"G1 und G2 sind parallel.", "G1 and G2 are parallel.", "G1 y G2 son paralelas.", "G1 e G2 sono paralleli.", "G1 e G2 são paralelas."}},
    {468, {"Schnittpunkt: ", "Point of intersection: ", "Punto de intesección: ", "Punto di intersezione: ", "Ponto de interseção: "}},
    {469, {"Schnittwinkel: ", "Angle of intersection: ", "Angulo de intersección: ", "Angolo di intersezione: ", "Ãngulo de interseção: "}},
    {476, {"G1 und G2 sind windschief.", "G1 und G2 are crooked.", "G1 y G2 se cruzan.", "G1 e G2 si intersecano.", "G1 e G2 se cruzam."}},
    {477, {"Abstand: ", "Distance: ", "Distancia: ", "Distanza: ", "Distância: "}},
    {478, {"Punkt auf G1 mit kürzestem Abstand zu G2: P1=", "Point at G1 with the smallest distance to G2: P1=", "Punto de G1 con la menor distancia a G2: P1=", "Punto di G1 con la minore distanza da G2: P1=", "Ponto de G1 com a menor distância a G2: P1="}},
    {479, {"Punkt auf G2 mit kürzestem Abstand zu G1: P2=", "Point at G2 with the smallest distance to G1: P2=", "Punto de G2 con la menor distancia a G1: P2=", "Punto di G2 con la minore distanza da G1: P2=", "Ponto de G2 com a menor distância a G1: P2="}},
    {480, {"Lotgerade zu G1 und G2: ", "Perpendicular line to G1 and G2: ", "Recta perpendicular a G1 y G2: ", "Retta perpendicolare a G1 e G2: ", "Reta perpendicular a G1 e G2: "}},
    {481, {" steht auf G1 und G2 senkrecht.", " is perpendicular to G1 and G2.", " es perpendicular a G1 y G2.", " è perpendicolare a G1 e G2.", "é perpendicular a G1 e G2."}},
    {487, {"G und E sind parallel.", "G and E are parallel.", "G y E son paralelas.", "G ed E sono parallele.", "G e E são paralelas."}},
    {491, {"G und E schneiden sich bei: ", "G and E intersect at: ", "G y E se cortan en: ", "G ed E si intersecano in: ", "G e E se cortam em: "}},
    {492, {" gespiegelt an ", " reflected at ", " reflejado en ", " si proietta in ", "projetam em "}},
    {498, {"E1 und E2 sind parallel.", "E1 and E2 are parallel.", "E1 y E2 son paralelas.", "E1 e E2 sono parallele.", "E1 e E2 são paralelas."}},
    {499, {"E und K ", "E and S ", "E y S ", "E ed S ", "E e S "}},
    {500, {"K1 und K2 ", "S1 and S2 ", "S1 y S2 ", "S1 ed S2 ", "S1 e S2 "}},
    {501, {" liegt zentrisch innerhalb ", " lies centered inside ", " está centrado dentro ", " è centrato in ", "está centrado dentro "}},
    {502, {" liegt innerhalb ", " lies inside ", " está dentro ", " giace dentro ", "está dentro "}},
    {503, {"Schnittgerade G: ", "Line of intersection G: ", "Linea de intersección G: ", "Linea d´íntersezione G: ", "Linha de interseção G: "}},
    {504, {"Kugelvolumen: V", "Volumes of spheres: V", "Volumen de la esfera: V", "Volume della sfera: V", "Volume da esfera: V"}},
    {505, {"Kugeloberflächen: O", "Surface areas of spheres: A", "Area de la esfera: A", "Area della superficie della sfera: A", "Área da superfície da esfera: A"}},
    {506, {"O", "A", "A", "A", "A"}},
    {507, {"Kugelvolumen V: ", "Volume of sphere: ", "Volumen de la esfera: ", "Volume della sfera: ", "Volume da esfera: "}},
    {508, {"Kugeloberfläche O: ", "Surface area of sphere A: ", "Area de la esfera A: ", "Area della superficie della sfera A: ", "Área da superfície da esfera A: "}},
    {509, {"P ist Mittelpunkt von K.", "P is the center of S.", "P es el centro de S.", "P è il centro di S.", "P é o centro de S."}},
    {510, {"P liegt auf Kugelrand.", "P lies on the edge of the sphere.", "P es tangente a la esfera.", "P è tangente alla sfera.", "P é tangente da esfera."}},
    {511, {"P liegt innerhalb K.", "P lies inside S.", "P está dentro de S.", "P è interno a S.", "P é interno a S."}},
    {512, {"P liegt außerhalb K.", "P lies outside of S.", "P está fuera de S.", "P è esterno a S.", "P é externo a S."}},
    {513, {"Abstand zwischen P und Oberfläche von K: ", "Distance between P and the surface of S: ", "Distancia entre P y la superficie de S: ", "Distanza tra P e la superficie di S: ", "Distância entre P e a superfície de S: "}},
    {514, {"Abstand zwischen P und Mittelpunkt von K: ", "Distance between P and the center of S: ", "Distancia entre P y el centro de S: ", "Distanza tra P e il centro di S: ", "Distância entre P e o centro de S: "}},
    {515, {"Gerade durch Mittelpunkt m und P: ", "Line through the center m and P: ", "Recta que pasa por m y P: ", "Retta passante per M e P: ", "Reta que passa pelo centro M e P: "}},
    {519, {"Kugelvolumen V: ", "Volume V of the sphere: ", "Volumen V de la esfera: ", "Volume V della sfera: ", "Volume V da esfera: "}},
    {520, {"Kugeloberfläche O: ", "Surface area A of the sphere: ", "Area de la esfera: ", "Area della superficie sferica: ", "Área da superfície A da esfera: "}},
    {521, {"G geht durch Mittelpunkt von K.", "G goes through the center of S.", "G pasa por el centro de S.", "G passa per il centro di S.", "G passa pelo centro de S."}},
    {522, {"Schnittpunkte: ", "Points of intersection: ", "Puntos de intersección: ", "Punto di intersezione: ", "Pontos de interseção: "}},
    {524, {"G und K berühren sich bei: ", "G and S touch at: ", "G y S se tocan en: ", "G ed S si incontrano in: ", "G e S se interseptam em: "}},
    {525, {"G und K schneiden sich nicht.", "G and S do not intersect.", "G y S no se cortan.", "G ed S non si intersecano.", "G e S não se interseptam."}},
    {526, {"Nächster Punkt auf G: ", "Next point on G: ", "Siguiente punto en G: ", "Punto successivo su G: ", "Próximo ponto em G: "}},
    {527, {"Nächster Punkt auf K: ", "Next point on S: ", "Siguiente punto en S: ", "Punto successivo su S: ", "Próximo ponto em S: "}},
    {528, {"Schnittpunkte: ", "Points of intersection: ", "Puntos de intersección: ", "Punto di intersezione: ", "Pontos de interseção: "}},
    {529, {"berühren sich bei: ", "touch at: ", "se tocan en: ", "si intersecano in: ", "tocam-se em: "}},
    {530, {"schneiden sich nicht.", "do not intersect.", "no se cortan.", "non si intersecano.", "Não se cruzam."}},
    {531, {" ;bzw E: ", " ;or E: ", " ;o E: ", " ;o E: ", " ;ou E: "}},
    {534, {"Kugelvolumen V: ", "Volume V of sphere: ", "Volumen V de la esfera: ", "Volume della sfera: ", "Volume da esfera: "}},
    {535, {"Kugeloberfläche O: ", "Surface area A of sphere: ", "Area de la esfera: ", "Area della superficie della sfera: ", "Área da superfície A da esfera: "}},
    {536, {"E schneidet K in der Mitte.", "E cuts K in two halves.", "E corta K en dos partes.", "E taglia K in due parti.", "E corta K em duas partes."}},
    {537, {"E und K schneiden sich nicht.", "E and K do not intersect.", "E y K no se cortan.", "E e K non si intersecano.", "E e K não se cruzam."}},
    {538, {"Nächster Punkt auf E: ", "Next point on E: ", "Siguiente punto en E: ", "Punto successivo su E: ", "Próximo ponto em E: "}},
    {539, {"Nächster Punkt auf K: ", "Next point on S: ", "Siguiente punto en S: ", "Punto successivo su S: ", "Próximo ponto em S: "}},
    {540, {"E schneidet K in zwei Hälften.", "E cuts S in two halves.", "E corta S en dos partes.", "E taglia S in due parti.", "E corta S em duas partes."}},
    {541, {"Schnittkreis: m = ", "Circle of intersection: m = ", "Circulo de intersección; m = ", "Circonferenza di intersezione; m = ", "Círculo de interseção; m = "}},
    {542, {"berührt ", "touchs ", "toca ", "taglia ", "interseção "}},
    {543, {" auf E", " on E", " en E", " su E", "em E"}},
    {544, {"Schnittfläche: ", "Area of intersection: ", "Area de intersección: ", "Area della intersezione: ", "Área de interseção: "}},
    {545, {"Kugelabschnitt 1: Volumen V1:  ", "Segment of sphere 1: volumen V1:  ", "Segmento de la esfera 1: volumen V1: ", "Settore sferico 1: volume V1: ", "Segmento da esfera 1: volume V1: "}},
    {546, {"; Oberfläche O1:  ", "; Surface area A1:  ", "; Area A1: ", "; Area A1: ", "; Área A1:  "}},
    {547, {" (ohne Schnittfläche)", " (without area of intersection)", " (sin area de intersección)", " (senza l´area dell´inersezione)", " (sem área de interseção)"}},
    {548, {"Kugelabschnitt 2: Volumen V2:  ", "Segment of sphere 2: volumen V2:  ", "Segmento de la esfera 2: volumen V2: ", "Settore sferico 2: volume V2: ", "segmento de esfera 2, volume V2: "}},
    {549, {"; Oberfläche O2:  ", "; Surface area A2:  ", "; Area A2: ", "; Area A2: ", "; Área da superfície da esfera A2: "}},
    {550, {" (ohne Schnittfläche)", " (without area of intersection)", " (sin area de intersección)", " (senza l´area dell´intersezione)", " (sem área de interseção)"}},
    {551, {"von innen bei: ", "inside at: ", "dentro en: ", "dentro a: ", "dentro de: "}},
    {555, {"Kugelvolumen: V1 = ", "Volume of sphere: V1 = ", "Volumen de la esfera: V1 = ", "Volume della sfera: V1 = ", "Volume da esfera: V1 = "}},
    {557, {"Kugeloberfläche: O1 =", "Surface area of a sphere: A1 =", "Area de la esfera: A1 =", "Area della sfera: A1 = ", "Área da superfície da esfera: A1 = "}},
    {558, {"; O2 =", "; A2 =", "; O2 =", "; A2 =", "; A2 ="}},
    {559, {"K1 und K2 sind gleich.", "S1 and S2 are the same.", "S1 y S2 son iguales.", "S1 e S2 sono uguali.", "S1 e S2 são iguais."}},
    {560, {"K1 und K2 schneiden sich nicht.", "S1 and S2 do not intersect.", "S1 y S2 no se cortan.", "S1 e S2 non si intersecano.", "S1 e S2 não se interseptam."}},
    {561, {"Nächster Punkt N1 auf K1: ", "Next point N1 on S1: ", "Siguiente punto N1 en S1: ", "Successivo punto N1 su S1: ", "Próximo ponto N1 em S2: "}},
    {562, {"Nächster Punkt N2 auf K2: ", "Next point N2 at S2: ", "Siguiente punto N2 en S2: ", "Successivo punto N2 su S2: ", "Próximo ponto N2 em S2: "}},
    {563, {"Abstand N1-N2: ", "Distance N1-N2: ", "Distancia N1-N2: ", "Distanza N1-N2: ", "Distância N1-N2: "}},
    {564, {"Abstand der Mittelpunkte: ", "Distance between the centers: ", "Distancia entre los centros: ", "Distanza dai centri: ", "Distância dos centros: "}},
    {565, {"K1 und K2 berühren sich bei: ", "S1 and S2 touch at: ", "S1 y S2 se tocan en: ", "S1 e S2 si intersecano in: ", "S1 e S2 se interseptam em: "}},
    {566, {"Abstand der Mittelpunkte (=r1+r2): ", "Distance of the centers (=r1+r2): ", "Distancia de los centros (=r1+r2): ", "Distanza tra i centri (=r1+r2): ", "Distância dos centros (=r1+r2): "}},
    {567, {"K1 und K2 schneiden sich.", "S1 and S2 intersect.", "S1 y S2 se cortan.", "S1 e S2 si intersecano.", "S1 e S2 se interseptam."}},
    {568, {"Der Schnittkreis um ", "The intersection circle around ", "El circulo de intersección alrededor ", "Circonferenza di intersezione intorno ", "O círculo de interseção ao redor "}},
    {569, {" hat einen Radius von", " has a radius of", " tiene un radio de", " ha un raggio di", "possuem um raio de"}},
    {571, {"Schnittebene: ", "Plane of intersection: ", "Plano de intersección: ", "Piano dell´intersezione: ", "Plano de intenseção: "}},
    {572, {"Abstand der Mittelpunkte: ", "Distance of the centers: ", "Distancia de los centros: ", "Distanza tra i centri: ", "Distância dos centros: "}},
    {598, {" ist keine Gerade, weil ", " is not a line, because ", " no es una recto, porque ", " non è una retta perché ", " não é uma reta porque "}},
    {599, {" ist keine Kugel, weil r", " is not a sphere, because r", " no es una esfera, porque r", " non è una sfera perché r", " não é uma esfera porque r"}},
    {605, {" ist keine Ebene, weil ", " is not a plane, because ", " no es un plano, porque ", " non è un piano perché ", " não é um plano porque "}},
    {790, {"Die Einstellungsdatei konnte nicht gelesen werden:", "The settings file could not be read:", "No se pudo leer el archivo de configuración:", "Impossibile leggere il file delle impostazioni:", "Não foi possível ler o arquivo de configurações:"}},
    {791, {"Quillon startet mit den Standardeinstellungen und lässt die Datei beim Beenden unverändert.", "Quillon starts with the default settings and leaves the file unchanged when it closes.", "Quillon se inicia con la configuración predeterminada y no modifica el archivo al cerrarse.", "Quillon si avvia con le impostazioni predefinite e lascia il file invariato alla chiusura.", "O Quillon inicia com as configurações padrão e deixa o arquivo inalterado ao fechar."}},
    {820, {"Kopieren als", "Copy as", "Copiar como", "Copia come", "Copiar como"}},
    {821, {"Reiner Text", "Plain text", "Texto sin formato", "Testo semplice", "Texto simples"}},
};
// clang-format on

constexpr int kTableSize = 5001;

const std::array<std::string, kTableSize>& Table() {
    static const std::array<std::string, kTableSize> table = [] {
        std::array<std::string, kTableSize> t;
        for (const Row& row : kRows)
            for (int lang = 0; lang < 5; ++lang)
                t[lang * 1000 + row.k] = row.text[lang];
        return t;
    }();
    return table;
}

} // namespace

int TextCount() {
    return static_cast<int>(std::size(kRows));
}

const std::string& Texts(int index) {
    static const std::string empty;
    if (index < 0 || index >= kTableSize) return empty;
    return Table()[static_cast<std::size_t>(index)];
}

int ValidLangIndex(int index) {
    return index == 1000 || index == 2000 || index == 3000 || index == 4000 ? index : 0;
}

} // namespace quillon

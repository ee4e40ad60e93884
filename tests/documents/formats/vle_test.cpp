// The equilibrium table file (.vle), and the Windows-1252 text both formats
// are written in.

#include <gtest/gtest.h>

#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/codificacion.h"
#include "documents/formats/documento.h"

using namespace quillon;

namespace {

const std::string kRuta = "/tmp/tabla.vle";

ArchivoTablaELV tresFilas()
{
    ArchivoTablaELV t;
    t.nombreA = "benzene";
    t.nombreB = " tolueno ";
    t.masaA = "78.1121";
    t.masaB = "92,14";
    t.x.fill(-1);
    t.y.fill(-1);
    t.x[0] = 0.1;
    t.y[0] = 0.21;
    t.x[1] = 0.5;
    t.y[1] = 0.71;
    t.x[2] = 0.9;
    t.y[2] = 0.96;
    return t;
}

TEST(WriteVle, ThreeTypedRowsThenNinetySevenEmptyOnes)
{
    std::string esperado = "<A=benzene>\r\n<B= tolueno >\r\n<MMA=78.1121>\r\n<MMB=92,14>\r\n[[\r\n"
                           "0.1  0.21\r\n0.5  0.71\r\n0.9  0.96\r\n";
    for (int i = 0; i < 97; ++i) esperado += "-1  -1\r\n";
    esperado += "]]\r\n";
    EXPECT_EQ(EscribirVle(tresFilas()), esperado);
}

TEST(ReadVle, WrittenFileGivesTheSameWorkingRowsAndTexts)
{
    const ArchivoTablaELV t = tresFilas();
    const LecturaVle r = LeerVle(EscribirVle(t), kRuta);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.nombreA, t.nombreA);
    EXPECT_EQ(r.nombreB, t.nombreB);
    EXPECT_EQ(r.masaA, t.masaA);
    EXPECT_EQ(r.masaB, t.masaB);
    EXPECT_EQ(r.x, t.x);
    EXPECT_EQ(r.y, t.y);
}

TEST(ReadVle, RowsAreNeitherCheckedNorCompleted)
{
    const LecturaVle r = LeerVle("[[\r\n0.5  1.7\r\n0.2  0.1\r\n]]", kRuta);
    EXPECT_EQ(r.error, "");
    ASSERT_TRUE(r.x.has_value());
    EXPECT_EQ((*r.x)[0], 0.5);
    EXPECT_EQ((*r.y)[0], 1.7);
    EXPECT_EQ((*r.x)[1], 0.2);
    EXPECT_EQ((*r.x)[2], -1);
}

TEST(ReadVle, DistillationFileGivesOnlyNamesMassesAndRows)
{
    DocumentoDestilacion d;
    d.compA = "alcohol metílico";
    d.compB = "agua";
    d.mma = "32.04";
    d.mmb = "18.01528";
    d.alfa = "3";
    d.modoTabla = true;
    d.tabla.x.fill(-1);
    d.tabla.y.fill(-1);
    d.tabla.x[0] = 0;
    d.tabla.y[0] = 0;
    d.tabla.x[1] = 0.5;
    d.tabla.y[1] = 0.8;
    const LecturaVle r = LeerVle(EscribirBdf(d), kRuta);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.nombreA, "alcohol metílico");
    EXPECT_EQ(r.nombreB, "agua");
    EXPECT_EQ(r.masaA, "32.04");
    EXPECT_EQ(r.masaB, "18.01528");
    EXPECT_EQ(r.x, d.tabla.x);
    EXPECT_EQ(r.y, d.tabla.y);
}

TEST(ReadVle, TagsWithoutTheBlockGiveTheNamesAndTheFormatError)
{
    const LecturaVle r = LeerVle("<A=eau>\r\n<B=benzene>\r\n<MMA=18>\r\n<MMB=78>\r\n0.1  0.2\r\n]]\r\n", kRuta);
    EXPECT_EQ(r.error, "ERROR: Invalid format:\r\n" + kRuta);
    EXPECT_EQ(r.nombreA, "eau");
    EXPECT_EQ(r.masaB, "78");
    EXPECT_FALSE(r.x.has_value());
    EXPECT_FALSE(r.y.has_value());
}

TEST(ReadVle, FileWithoutTagsGivesOnlyTheRows)
{
    const LecturaVle r = LeerVle("[[\r\n0,1 0,2\r\n]]\r\n", kRuta);
    EXPECT_EQ(r.error, "");
    EXPECT_FALSE(r.nombreA.has_value());
    EXPECT_FALSE(r.nombreB.has_value());
    EXPECT_FALSE(r.masaA.has_value());
    EXPECT_FALSE(r.masaB.has_value());
    ASSERT_TRUE(r.x.has_value());
    EXPECT_EQ((*r.x)[0], 0.1);
    EXPECT_EQ((*r.y)[0], 0.2);
}

TEST(Windows1252, SpanishNamesTakeOneBytePerCharacter)
{
    EXPECT_EQ(aWindows1252("alcohol metílico"), "alcohol met\xEDlico");
    EXPECT_EQ(aWindows1252("Ñandú €"), "\xD1" "and\xFA \x80");
    EXPECT_EQ(desdeWindows1252("\xD1" "and\xFA \x80"), "Ñandú €");
    EXPECT_EQ(aWindows1252("agua ≈ H₂O"), "agua ? H?O");
}

TEST(Windows1252, EveryByteSurvivesReadingAndWritingAgain)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(aWindows1252(desdeWindows1252(byte)), byte) << "byte " << b;
    }
}

}  // namespace

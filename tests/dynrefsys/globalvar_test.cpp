// Rewriting wobj_dyn0's initial value in GLOBAL.var.
#include "faultinjection.h"
#include "simfixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

class GlobalVar : public PositionerCell
{
protected:
    QString path;

    void SetUp() override
    {
        PositionerCell::SetUp();
        path = positionerDir() + "/GLOBAL.var";
    }

    QByteArray rewrite(const QByteArray& input)
    {
        writeFile(path, input);
        EXPECT_TRUE(d->writeGlobalVarFile(path));
        return readFile(path);
    }

    // The initial values of the Vars of that name, decoded as an XML reader would.
    QStringList initValues(const QByteArray& file, const char* name)
    {
        pugi::xml_document doc;
        EXPECT_TRUE(doc.load_buffer(file.constData(), std::size_t(file.size()),
                                    pugi::parse_default | pugi::parse_ws_pcdata_single));
        QStringList values;
        for (pugi::xml_node var : doc.child("Xpl-source").child("VarDeclarations").child("VarGlobal").children("Var")) {
            if (qstrcmp(var.child("Name").text().get(), name) == 0)
                values << QString::fromUtf8(var.child("InitValue").text().get());
        }
        return values;
    }
};

const QByteArray realisticFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- Date(ymd)/time(hms) 2026/11/30 08:15:02 -->\n"
    "<Xpl-source version=\"2\">\n"
    "\t<VarDeclarations>\n"
    "\t\t<VarGlobal>\n"
    "\t\t\t<Var>\n"
    "\t\t\t\t<Name>tool0</Name>\n"
    "\t\t\t\t<InitValue>{&quot;load&quot;:3.2,&quot;note&quot;:&quot;a&amp;b&quot;}</InitValue>\n"
    "\t\t\t</Var>\n"
    "\t\t\t<!-- the dynamic work object -->\n"
    "\t\t\t<Var>\n"
    "\t\t\t\t<Name>wobj_dyn0</Name>\n"
    "\t\t\t\t<Comment kind=\"a&lt;b\">follows the table &#x26; more</Comment>\n"
    "\t\t\t\t<InitValue>{&quot;old&quot;:1}</InitValue>\n"
    "\t\t\t</Var>\n"
    "\t\t\t<Var><Name>wobj_dyn0</Name><InitValue/></Var>\n"
    "\t\t\t<Var><Name>pad</Name><InitValue>   </InitValue></Var>\n"
    "\t\t\t<Var><Name>limits</Name><InitValue><![CDATA[0 < a && b > 1]]></InitValue></Var>\n"
    "\t\t\t<Var><Name> wobj_dyn0</Name><InitValue>keep1</InitValue></Var>\n"
    "\t\t\t<Var><Name>WOBJ_DYN0</Name><InitValue>keep2</InitValue></Var>\n"
    "\t\t\t<Var><Name>wobj_dyn0</Name><InitValue>{&quot;older&quot;:2}</InitValue></Var>\n"
    "\t\t</VarGlobal>\n"
    "\t</VarDeclarations>\n"
    "</Xpl-source>\n";

const QByteArray example330 =
    "{&quot;uframe&quot;:{&quot;x&quot;:0,&quot;y&quot;:0,&quot;z&quot;:0,&quot;a&quot;:0,&quot;b&quot;:0,"
    "&quot;c&quot;:0},&quot;oframe&quot;:{&quot;x&quot;:100,&quot;y&quot;:0,&quot;z&quot;:50,&quot;a&quot;:0,"
    "&quot;b&quot;:0,&quot;c&quot;:90},&quot;movable&quot;:false,&quot;onrobot&quot;:false,"
    "&quot;basename&quot;:&quot;table&quot;}";

TEST_F(GlobalVar, RewritesEveryWobjDyn0AndKeepsTheRestByteForByte)
{
    const double frame[] = {100, 0, 50, 0, 0, 90};
    std::copy(frame, frame + 6, d->dynOframe);
    d->dynBaseName = "table";
    ASSERT_EQ(example330.size(), 330);

    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Xpl-source version=\"2\">\n"
        "<VarDeclarations>\n"
        "<VarGlobal>\n"
        "<Var>\n"
        "<Name>tool0</Name>\n"
        "<InitValue>{&quot;load&quot;:3.2,&quot;note&quot;:&quot;a&amp;b&quot;}</InitValue>\n"
        "</Var>\n"
        "<Var>\n"
        "<Name>wobj_dyn0</Name>\n"
        "<Comment kind=\"a&lt;b\">follows the table &#x26; more</Comment>\n"
        "<InitValue>" + example330 + "</InitValue>\n"
        "</Var>\n"
        "<Var>\n<Name>wobj_dyn0</Name>\n<InitValue />\n</Var>\n"
        "<Var>\n<Name>pad</Name>\n<InitValue>   </InitValue>\n</Var>\n"
        "<Var>\n<Name>limits</Name>\n<InitValue><![CDATA[0 < a && b > 1]]></InitValue>\n</Var>\n"
        "<Var>\n<Name> wobj_dyn0</Name>\n<InitValue>keep1</InitValue>\n</Var>\n"
        "<Var>\n<Name>WOBJ_DYN0</Name>\n<InitValue>keep2</InitValue>\n</Var>\n"
        "<Var>\n<Name>wobj_dyn0</Name>\n<InitValue>" + example330 + "</InitValue>\n</Var>\n"
        "</VarGlobal>\n"
        "</VarDeclarations>\n"
        "</Xpl-source>\n";

    const QByteArray got = rewrite(realisticFile);
    const int dateAt = got.lastIndexOf("<!--");
    ASSERT_GT(dateAt, 0);
    EXPECT_EQ(got.left(dateAt), expected);
    EXPECT_TRUE(QRegularExpression(R"(^<!-- Date\(ymd\)/time\(hms\) \d{4}/\d\d/\d\d \d\d:\d\d:\d\d -->\n$)")
                    .match(QString::fromLatin1(got.mid(dateAt)))
                    .hasMatch())
        << got.mid(dateAt).constData();
    EXPECT_EQ(got.count("<!--"), 1);
}

TEST_F(GlobalVar, NumbersHaveSixSignificantDigits)
{
    const double values[] = {0, 12.5, 123.4567, -90, 1.2345678e6, 0.00001};
    std::copy(values, values + 6, d->dynUframe);
    d->dynOframe[0] = 0.0001;
    d->dynOframe[5] = 1e21;
    const QByteArray file = rewrite("<Xpl-source><VarDeclarations><VarGlobal><Var><Name>wobj_dyn0</Name>"
                                    "<InitValue>x</InitValue></Var></VarGlobal></VarDeclarations></Xpl-source>");
    EXPECT_TRUE(file.contains("&quot;uframe&quot;:{&quot;x&quot;:0,&quot;y&quot;:12.5,&quot;z&quot;:123.457,"
                              "&quot;a&quot;:-90,&quot;b&quot;:1.23457e+06,&quot;c&quot;:1e-05}"))
        << file.constData();
    EXPECT_TRUE(file.contains("&quot;oframe&quot;:{&quot;x&quot;:0.0001,&quot;y&quot;:0,")) << file.constData();
    EXPECT_TRUE(file.contains("&quot;c&quot;:1e+21}")) << file.constData();
}

TEST_F(GlobalVar, BaseNamesCannotBreakTheJsonOrTheXml)
{
    const QString names[] = {"", "table", "ta\"ble", "back\\slash", "a<b&c>d", "tab\tline\nend", "&quot;"};
    for (const QString& name : names) {
        d->dynBaseName = name;
        const QByteArray file = rewrite(realisticFile);
        const QStringList values = initValues(file, "wobj_dyn0");
        ASSERT_EQ(values.size(), 3) << qPrintable(name);
        QJsonParseError error{};
        const QJsonObject json = QJsonDocument::fromJson(values[0].toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(values[0]);
        EXPECT_EQ(json["basename"].toString(), name);
        // Everything else in the file is still there.
        EXPECT_EQ(initValues(file, "tool0"), QStringList{"{\"load\":3.2,\"note\":\"a&b\"}"});
    }
    d->dynBaseName.clear();
    EXPECT_TRUE(rewrite(realisticFile).contains("&quot;basename&quot;:&quot;&quot;}"));
}

TEST_F(GlobalVar, WhatCannotBeLoadedIsLeftAlone)
{
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    writeFile(path, "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_EQ(readFile(path), "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(positionerDir()));
}

TEST_F(GlobalVar, AFailedSaveIsReportedAndKeepsTheFetchedCopy)
{
    QByteArray big = realisticFile;
    big.replace("</VarGlobal>", QByteArray("<Var><Name>filler</Name><InitValue>").append(4000, 'x') +
                                    "</InitValue></Var></VarGlobal>");
    writeFile(path, big);
    bool written = true;
    {
        FileSizeLimit limit(2048);
        written = d->writeGlobalVarFile(path);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(path), big);

    {
        ReadOnlyDirectory readOnly(positionerDir());
        written = d->writeGlobalVarFile(path);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(path), big);
}

}  // namespace

namespace {

TEST_F(GlobalVar, AnInitialValueHeldAsCdataBecomesReadableText)
{
    d->dynBaseName = "table";
    const QByteArray file = rewrite("<Xpl-source><VarDeclarations><VarGlobal><Var><Name>wobj_dyn0</Name>"
                                    "<InitValue><![CDATA[{\"old\":1}]]><!-- kept out --></InitValue></Var>"
                                    "</VarGlobal></VarDeclarations></Xpl-source>");
    EXPECT_FALSE(file.contains("CDATA")) << file.constData();
    const QStringList values = initValues(file, "wobj_dyn0");
    ASSERT_EQ(values.size(), 1);
    EXPECT_EQ(QJsonDocument::fromJson(values[0].toUtf8()).object()["basename"].toString(), "table");
}

}  // namespace

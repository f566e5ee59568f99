// Rewriting wobj_dyn0's initial value in GLOBAL.var.
#include "golden.h"
#include "simfixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

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
    static QStringList initValues(const QByteArray& file, const char* name)
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

// Every wobj_dyn0 gets the new value, CDATA included; the rest of the file is
// passed through as it was loaded, and the old date gives way to the new one.
TEST_F(GlobalVar, RewritesEveryWobjDyn0AndPassesTheRestThrough)
{
    const double uframe[] = {0, 12.5, 123.4567, -90, 1.2345678e6, 0.00001};
    const double oframe[] = {0.0001, 100, 50, 0, -0.5, 1e21};
    std::copy(uframe, uframe + 6, d->dynUframe);
    std::copy(oframe, oframe + 6, d->dynOframe);
    d->dynMovable = true;
    d->dynBaseName = "table";

    const AfternoonClock clock;
    const QByteArray file = rewrite(goldenFile("globalvar-input.var"));
    EXPECT_EQ(clock.withDatesMasked(file), goldenFile("globalvar-rewritten.var"));
}

// The base name is escaped for the JSON string, then for the XML text.
TEST_F(GlobalVar, BaseNamesCannotBreakTheJsonOrTheXml)
{
    const QByteArray input = goldenFile("globalvar-input.var");
    const QString face = QString::fromUtf8("\xf0\x9f\x98\x80");
    const std::pair<QString, QByteArray> cases[] = {
        {"", ""}, {"a b", "a b"}, {"ta\"ble", "ta\\&quot;ble"}, {"back\\slash", "back\\\\slash"}, {"a<b&c>d", "a&lt;b&amp;c&gt;d"},
        {"tab\tline\nend", "tab\\u0009line\\u000aend"}, {"&quot;", "&amp;quot;"},
        // A character outside the plane is a pair and stays as it is; only a
        // half of one, or a noncharacter, is escaped.
        {QChar(0xdc00) + QString("a") + QChar(0xfffe) + QChar(0xffff) + QChar(0xd800) + "b" + face + QChar(0xdc00) + "c" +
             QChar(0xd800),
         "\\udc00a\\ufffe\\uffff\\ud800b" + face.toUtf8() + "\\udc00c\\ud800"}};
    for (const auto& c : cases) {
        d->dynBaseName = c.first;
        const QByteArray file = rewrite(input);
        EXPECT_TRUE(file.contains("&quot;basename&quot;:&quot;" + c.second + "&quot;}")) << qPrintable(c.first);
        const QStringList values = initValues(file, "wobj_dyn0");
        ASSERT_EQ(values.size(), 4) << qPrintable(c.first);
        EXPECT_EQ(values[0], values[2]);
        QJsonParseError error{};
        const QJsonObject json = QJsonDocument::fromJson(values[2].toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(values[2]);
        EXPECT_EQ(json["basename"].toString(), c.first);
        EXPECT_EQ(initValues(file, "tool0"), QStringList{"{\"load\":3.2,\"note\":\"a&b\"}"});
    }
}

// A file that cannot be loaded, or a frame holding NaN or infinity, which the
// controller could not read.
TEST_F(GlobalVar, WhatCannotBeLoadedOrWrittenIsLeftAlone)
{
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    writeFile(path, "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_EQ(readFile(path), "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(positionerDir()));

    const QByteArray input = goldenFile("globalvar-input.var");
    writeFile(path, input);
    for (double* value : {&d->dynUframe[2], &d->dynOframe[5]}) {
        for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
            *value = bad;
            EXPECT_FALSE(d->writeGlobalVarFile(path));
        }
        *value = 0.0;
    }
    EXPECT_EQ(readFile(path), input);
}

}  // namespace

// Rewriting wobj_dyn0's initial value in GLOBAL.var.
#include "golden.h"
#include "simfixture.h"

#include <QJsonDocument>
#include <QJsonObject>

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
    const std::pair<QString, QByteArray> cases[] = {
        {"", ""}, {"a b", "a b"}, {"ta\"ble", "ta\\&quot;ble"}, {"back\\slash", "back\\\\slash"}, {"a<b&c>d", "a&lt;b&amp;c&gt;d"},
        {"tab\tline\nend", "tab\\u0009line\\u000aend"}, {"&quot;", "&amp;quot;"}};
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

TEST_F(GlobalVar, WhatCannotBeLoadedIsLeftAlone)
{
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    writeFile(path, "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(path));
    EXPECT_EQ(readFile(path), "<Xpl-source><VarGlobal>");
    EXPECT_FALSE(d->writeGlobalVarFile(positionerDir()));
}

}  // namespace

// NaN and infinity are no frame values: an answer holding one is no answer,
// and nothing the library writes for the controller ever holds one.
#include "simfixture.h"

#include <controllersimulator.h>
#include <sim/files.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

// An answer with one value of NaN or infinity, of each frame the controller
// calculates: 0, and the record as it was.
TEST_F(SimulatedCell, ANonFiniteAnswerLeavesTheRecordAsItWas)
{
    ControllerSimulator controller;
    rtmCustomRvarIntVect axesStatus{"ipos.calculate_axes_status", 2, 1};
    rtmCustomRvarInt userStatus{"ipos.calculate_user_status", 1};
    const struct
    {
        int axisID;
        const char* frameVariable;
        double value;
    } cases[] = {{0, "ipos.posframe1", nan}, {1, "ipos.posframe2", inf}, {1, "ipos.posframe2tobase", nan},
                 {0, "ipos.userframe", -inf}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameVariable);
        PositionerData* d = PositionerData::getInstance();
        d->setPositionerID(3);
        d->setPositionerAxisID(c.axisID);
        rtmCustomRvarRealVect frame{c.frameVariable, 6, 1};
        const auto answer = [&] {
            for (int k = 0; k < 6; ++k)
                frame.setValue(k, k == 4 ? c.value : 1.0);
        };
        controller.onRequest("ipos.calculate_axes", [&] {
            answer();
            axesStatus.setValue(0, 1);
        });
        controller.onRequest("ipos.calculate_user", [&] {
            answer();
            userStatus = 1;
        });
        d->parms[3].axes1Frame[4] = d->parms[3].axes2Frame[4] = d->parms[3].axes2FrameToBase[4] =
            d->parms[3].userFrame[4] = 7.0;
        const PositionerParm before = d->parms[3];
        const bool user = QByteArray(c.frameVariable) == "ipos.userframe";
        EXPECT_EQ(user ? d->calculateUserFrame() : d->calculatePositionerFrame(0), 0);
        EXPECT_EQ(std::memcmp(&before, &d->parms[3], sizeof before), 0);
    }
}

TEST_F(PositionerCell, TheCalibrationFileHoldsNoNonFiniteNumberWrittenOrRead)
{
    const QString path = positionerDir() + "/positionercalibframepar.xml";
    writeFile(path, "<FramePar><Positioner><UserFrame>nan,inf,-inf,1e999,NaN,2</UserFrame></Positioner></FramePar>");
    ASSERT_TRUE(d->readPositionerFile(path));
    EXPECT_EQ(std::vector<double>(d->parms[0].userFrame, d->parms[0].userFrame + 6),
              (std::vector<double>{0, 0, 0, 0, 0, 2}));

    const QByteArray before = readFile(path);
    for (double* value : {&d->parms[9].axes1Frame[0], &d->parms[0].axes2Frame[5], &d->parms[4].axes2FrameToBase[2],
                          &d->parms[2].userFrame[1]}) {
        *value = nan;
        EXPECT_FALSE(d->writePositionerFile(path));
        EXPECT_EQ(readFile(path), before);
        *value = -inf;
        EXPECT_FALSE(d->writePositionerFile(path));
        *value = 0.0;
    }
    EXPECT_TRUE(d->writePositionerFile(path));
}

const QByteArray globalVar = "<Xpl-source><VarDeclarations><VarGlobal><Var><Name>wobj_dyn0</Name>"
                             "<InitValue>old</InitValue></Var></VarGlobal></VarDeclarations></Xpl-source>";

TEST_F(PositionerCell, GlobalVarGetsNoNonFiniteNumberAndStaysXml)
{
    const QString path = positionerDir() + "/GLOBAL.var";
    writeFile(path, globalVar);
    for (double* value : {&d->dynUframe[2], &d->dynOframe[5]}) {
        *value = nan;
        EXPECT_FALSE(d->writeGlobalVarFile(path));
        EXPECT_EQ(readFile(path), globalVar);
        *value = inf;
        EXPECT_FALSE(d->writeGlobalVarFile(path));
        EXPECT_EQ(readFile(path), globalVar);
        *value = 0.0;
    }

    // A character outside the plane is a pair and stays as it is; only a half
    // of one is escaped.
    const QString face = QString::fromUtf8("\xf0\x9f\x98\x80");
    d->dynBaseName =
        QChar(0xdc00) + QString("a") + QChar(0xfffe) + QChar(0xffff) + QChar(0xd800) + "b" + face + QChar(0xdc00) + "c" + QChar(0xd800);
    ASSERT_TRUE(d->writeGlobalVarFile(path));
    pugi::xml_document strict;
    EXPECT_TRUE(strict.load_file(path.toLocal8Bit().constData()));
    EXPECT_TRUE(readFile(path).contains(
        ("&quot;basename&quot;:&quot;\\udc00a\\ufffe\\uffff\\ud800b" + face + "\\udc00c\\ud800&quot;").toUtf8()));
}

}  // namespace

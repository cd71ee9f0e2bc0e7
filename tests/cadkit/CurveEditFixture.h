// Curves for the curve-editing tests: lines, arcs and lightweight polylines added to model
// space, and their ends, vertices and class read back from an id.
#pragma once

#include "CadkitFixture.h"

#include "AcDbArc.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"

#include <string>
#include <utility>
#include <vector>

struct Vertex {
    double x = 0.0;
    double y = 0.0;
    double bulge = 0.0;
};

class CurveEditFixture : public CadkitFixture {
protected:
    // A new block of the drawing, handed out open for write; its id in blockId.
    static AcDbBlockTableRecord* openNewBlock(const wchar_t* name, AcDbObjectId& blockId)
    {
        blockId = addBlock(name);
        AcDbBlockTableRecord* pRecord = nullptr;
        EXPECT_EQ(acdbOpenObject(pRecord, blockId, AcDb::kForWrite), Acad::eOk);
        return pRecord;
    }

    static AcDbObjectId makeLayer(const wchar_t* name)
    {
        AcDbLayerTable* pTable = nullptr;
        EXPECT_EQ(db()->getLayerTable(pTable, AcDb::kForWrite), Acad::eOk);
        auto* pRecord = new AcDbLayerTableRecord();
        pRecord->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(pTable->add(id, pRecord), Acad::eOk);
        pRecord->close();
        pTable->close();
        return id;
    }

    static AcDbObjectId addLine(double x1, double y1, double x2, double y2, double z = 0.0)
    {
        return add(new AcDbLine(AcGePoint3d(x1, y1, z), AcGePoint3d(x2, y2, z)));
    }

    static AcDbPolyline* makePolyline(const std::vector<Vertex>& vertices, bool closed = false)
    {
        auto* pPolyline = new AcDbPolyline();
        for (const Vertex& v : vertices)
            pPolyline->addVertexAt(pPolyline->numVerts(), AcGePoint2d(v.x, v.y), v.bulge, -1.0, -1.0);
        pPolyline->setClosed(closed);
        return pPolyline;
    }

    static AcDbObjectId addPolyline(const std::vector<Vertex>& vertices, bool closed = false)
    {
        return add(makePolyline(vertices, closed));
    }

    static AcDbObjectId addArc(double cx, double cy, double radius, double startAngle, double endAngle)
    {
        return add(new AcDbArc(AcGePoint3d(cx, cy, 0.0), radius, startAngle, endAngle));
    }

    static std::pair<AcGePoint3d, AcGePoint3d> endsOf(const AcDbObjectId& id)
    {
        AcDbCurve* pCurve = nullptr;
        std::pair<AcGePoint3d, AcGePoint3d> ends;
        EXPECT_EQ(acdbOpenObject(pCurve, id, AcDb::kForRead), Acad::eOk);
        if (pCurve == nullptr)
            return ends;
        pCurve->getStartPoint(ends.first);
        pCurve->getEndPoint(ends.second);
        pCurve->close();
        return ends;
    }

    static std::vector<Vertex> verticesOf(const AcDbObjectId& id)
    {
        std::vector<Vertex> vertices;
        AcDbPolyline* pPolyline = nullptr;
        EXPECT_EQ(acdbOpenObject(pPolyline, id, AcDb::kForRead), Acad::eOk);
        if (pPolyline == nullptr)
            return vertices;
        vertices = verticesOf(pPolyline);
        pPolyline->close();
        return vertices;
    }

    static std::vector<Vertex> verticesOf(const AcDbPolyline* pPolyline)
    {
        std::vector<Vertex> vertices;
        for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
            AcGePoint2d point;
            double bulge = 0.0;
            pPolyline->getPointAt(i, point);
            pPolyline->getBulgeAt(i, bulge);
            vertices.push_back({point.x, point.y, bulge});
        }
        return vertices;
    }

    static std::wstring classOf(const AcDbObjectId& id)
    {
        AcDbEntity* pEnt = nullptr;
        if (acdbOpenObject(pEnt, id, AcDb::kForRead) != Acad::eOk)
            return L"";
        const std::wstring name = pEnt->isA()->name();
        pEnt->close();
        return name;
    }

    static void expectPoint(const AcGePoint3d& point, double x, double y)
    {
        EXPECT_NEAR(point.x, x, 1e-6) << "x of (" << point.x << ", " << point.y << ")";
        EXPECT_NEAR(point.y, y, 1e-6) << "y of (" << point.x << ", " << point.y << ")";
    }

    static void expectLine(const AcDbObjectId& id, double x1, double y1, double x2, double y2)
    {
        ASSERT_EQ(classOf(id), L"AcDbLine");
        const auto [start, end] = endsOf(id);
        expectPoint(start, x1, y1);
        expectPoint(end, x2, y2);
    }

    static void expectVertices(const std::vector<Vertex>& actual, const std::vector<Vertex>& expected)
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(actual[i].x, expected[i].x, 1e-6) << "vertex " << i;
            EXPECT_NEAR(actual[i].y, expected[i].y, 1e-6) << "vertex " << i;
            EXPECT_NEAR(actual[i].bulge, expected[i].bulge, 1e-6) << "bulge " << i;
        }
    }
};

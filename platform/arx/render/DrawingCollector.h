// Walks a drawing database and turns what it shows into a display list: each entity with its
// colour, linetype and lineweight resolved (by layer, by block, layer 0 inside blocks taking
// the reference's layer), block references and external references through their transforms,
// dimensions through their graphics blocks, texts through the shared text metrics. Layers that
// are off, frozen or not plotted, and "Defpoints", do not show, as on a plotted sheet.
#pragma once

#include "AcDbObjectId.h"
#include "AcGeMatrix3d.h"
#include "DisplayList.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AcDbDatabase;
class AcDbEntity;

class DrawingCollector {
public:
    explicit DrawingCollector(AcDbDatabase* db);
    ~DrawingCollector();
    DrawingCollector(const DrawingCollector&) = delete;
    DrawingCollector& operator=(const DrawingCollector&) = delete;

    // Model space of the database, in draw order.
    DisplayList collectModelSpace();

private:
    struct LayerInfo {
        QRgb color = 0xff000000;
        AcDbObjectId linetype;
        double lineweightMm = 0.25;
        bool visible = true;
        bool isLayerZero = false;
    };
    struct Context {
        AcGeMatrix3d xform;
        double linetypeScale = 1.0;
        int depth = 0;
        bool inBlock = false;
        QRgb blockColor = 0xff000000;
        double blockLineweightMm = 0.25;
        AcDbObjectId blockLinetype;
        LayerInfo blockLayer;
    };
    struct Style {
        QRgb color;
        double lineweightMm;
        std::vector<double> dashes;
        // The linetype after ByLayer and ByBlock, for what a block reference hands down.
        AcDbObjectId linetype;
    };

    void drawBlock(AcDbObjectId blockId, const Context& ctx);
    void drawEntity(AcDbEntity* ent, const Context& ctx);
    bool resolve(AcDbEntity* ent, const Context& ctx, Style& style, LayerInfo& layer);
    const LayerInfo& layerInfo(AcDbObjectId layerId);
    const std::vector<double>& dashes(AcDbObjectId linetypeId);
    std::vector<AcDbObjectId> drawOrder(AcDbObjectId blockId);
    AcDbDatabase* xrefDatabase(const std::wstring& path);
    bool wipeoutFramesShown();

    void stroke(const std::vector<AcGePoint3d>& points, bool closed, const Style& style, const Context& ctx);
    void fill(const std::vector<std::vector<AcGePoint3d>>& loops, QRgb color, const Context& ctx, bool frame = false,
              QRgb frameColor = 0);
    void text(AcDbEntity* ent, const Style& style, const Context& ctx);
    bool usesShapeFont(AcDbObjectId textStyleId);
    void hatch(AcDbEntity* ent, const Style& style, const Context& ctx);
    void polyline(AcDbEntity* ent, const Style& style, const Context& ctx);
    QPointF toModel(const AcGePoint3d& p, const Context& ctx) const;

    AcDbDatabase* mDb;
    DisplayList mList;
    std::map<AcDbObjectId, LayerInfo> mLayers;
    std::map<AcDbObjectId, std::vector<double>> mDashes;
    std::map<AcDbObjectId, bool> mShapeFontStyles;
    std::map<std::wstring, std::unique_ptr<AcDbDatabase>> mXrefs;
    int mWipeoutFrames = -1;
};

#pragma once
// Reads a DXF drawing back with dxflib's reader: the layers and the entities the CAD export
// writes, with their layer, colour and points.
#include <QFile>
#include <QPointF>
#include <QString>
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <string>
#include <vector>

struct TDxfEntity {
    std::string Type; // "SOLID", "POLYLINE" (also LWPOLYLINE), "TEXT"
    std::string Layer;
    int Colour = 0;    // AutoCAD colour index; 256 by layer
    int Colour24 = -1; // 0xRRGGBB, -1 when none
    std::vector<QPointF> Points;
    bool Closed = false;
    std::string Text;
    double Height = 0;
};

class TDxfCollector : public DL_CreationAdapter {
public:
    std::vector<std::string> Layers;
    std::vector<int> LayerColours;
    std::vector<TDxfEntity> Entities;

    void addLayer(const DL_LayerData &data) override
    {
        Layers.push_back(data.name);
        LayerColours.push_back(attributes.getColor());
    }
    void addSolid(const DL_SolidData &data) override
    {
        TDxfEntity e = Begin("SOLID");
        for (int i = 0; i < 4; ++i)
            e.Points.emplace_back(data.x[i], data.y[i]);
        Entities.push_back(e);
    }
    void addPolyline(const DL_PolylineData &data) override
    {
        TDxfEntity e = Begin("POLYLINE");
        e.Closed = (data.flags & 1) != 0;
        Entities.push_back(e);
    }
    void addVertex(const DL_VertexData &data) override
    {
        if (!Entities.empty() && Entities.back().Type == "POLYLINE")
            Entities.back().Points.emplace_back(data.x, data.y);
    }
    void addText(const DL_TextData &data) override
    {
        TDxfEntity e = Begin("TEXT");
        // Centred texts are placed by their alignment point.
        e.Points.emplace_back(data.hJustification || data.vJustification ? QPointF(data.apx, data.apy)
                                                                         : QPointF(data.ipx, data.ipy));
        e.Text = data.text;
        e.Height = data.height;
        Entities.push_back(e);
    }

    std::vector<TDxfEntity> OnLayer(const std::string &layer, const std::string &type = std::string()) const
    {
        std::vector<TDxfEntity> out;
        for (const TDxfEntity &e : Entities)
            if (e.Layer == layer && (type.empty() || e.Type == type))
                out.push_back(e);
        return out;
    }

private:
    TDxfEntity Begin(const char *type) const
    {
        TDxfEntity e;
        e.Type = type;
        e.Layer = attributes.getLayer();
        e.Colour = attributes.getColor();
        e.Colour24 = attributes.getColor24();
        return e;
    }
};

// False when dxflib cannot read the file.
inline bool ReadDxf(const QString &fileName, TDxfCollector &collector)
{
    DL_Dxf dxf;
    return dxf.in(QFile::encodeName(fileName).toStdString(), &collector);
}

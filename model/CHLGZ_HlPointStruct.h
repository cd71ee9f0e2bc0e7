// One guide point of a prestressing tendon: the support it is measured from, its position
// and the radius of the tendon's curve there.
#pragma once

class CHLGZ_HlPointStruct {
public:
    CHLGZ_HlPointStruct();
    CHLGZ_HlPointStruct(const CHLGZ_HlPointStruct& other) = default;
    CHLGZ_HlPointStruct& operator=(const CHLGZ_HlPointStruct& other) = default;
    // Field by field.
    bool operator==(const CHLGZ_HlPointStruct& other) const = default;
    virtual ~CHLGZ_HlPointStruct() = default;

    void Reset();

    int GetSupport() const { return m_nSupport; }
    void SetSupport(int support) { m_nSupport = support; }
    double GetX() const { return m_dX; }
    void SetX(double x) { m_dX = x; }
    double GetY() const { return m_dY; }
    void SetY(double y) { m_dY = y; }
    double GetR() const { return m_dR; }
    void SetR(double r) { m_dR = r; }

    // Editor unit change (editor/DesignRecordScaling.cpp): X, Y and R; the support stays.
    void ScaleLengths(double factor);

private:
    int m_nSupport;
    double m_dX;
    double m_dY;
    double m_dR;
};

// The check that both drawing classes run just before they lay out a drawing.
#pragma once

class CGLGZ_Share {
public:
    CGLGZ_Share() = default;
    CGLGZ_Share(const CGLGZ_Share& other) = default;
    CGLGZ_Share& operator=(const CGLGZ_Share& other) = default;
    virtual ~CGLGZ_Share() = default;

    // 1: the drawing goes on. Every design passes; a 0 would end the drawing without output.
    int CheckGL();
};

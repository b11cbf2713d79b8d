// Where the controller gets the data objects of a load.
#pragma once

class CxLNAddrUtil;
class CxLNDateUtil;
class CxLNTaskUtil;

// Makes the data objects of a load; null when one cannot be made. Tests give
// objects whose LoadAll reads prepared files instead of running a helper.
class ILNDataFactory {
public:
    virtual ~ILNDataFactory() = default;
    virtual CxLNAddrUtil* CreateAddrUtil();
    virtual CxLNDateUtil* CreateDateUtil();
    virtual CxLNTaskUtil* CreateTaskUtil();
};

namespace velmora::cli {}

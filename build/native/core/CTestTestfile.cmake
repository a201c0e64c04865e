# CMake generated Testfile for 
# Source directory: /work/main/core
# Build directory: /work/main/build/native/core
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.

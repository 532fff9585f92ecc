include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS zarnrobotcontroller EXPORT zarnrobotcontrollerTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zarnrobotcontroller)
file(GLOB public_headers ${PROJECT_SOURCE_DIR}/include/*.h)
install(FILES ${public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zarnrobotcontroller)

set(cfgdir ${CMAKE_INSTALL_LIBDIR}/cmake/zarnrobotcontroller)
install(EXPORT zarnrobotcontrollerTargets NAMESPACE zarnrobotcontroller:: DESTINATION ${cfgdir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zarnrobotcontrollerConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zarnrobotcontrollerConfig.cmake INSTALL_DESTINATION ${cfgdir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zarnrobotcontrollerConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zarnrobotcontrollerConfig.cmake
  ${PROJECT_BINARY_DIR}/zarnrobotcontrollerConfigVersion.cmake DESTINATION ${cfgdir})

configure_file(${PROJECT_SOURCE_DIR}/cmake/zarnrobotcontroller.pc.in
  ${PROJECT_BINARY_DIR}/zarnrobotcontroller.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zarnrobotcontroller.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

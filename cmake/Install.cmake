include(CMakePackageConfigHelpers)

install(TARGETS VelmoITNet22SU EXPORT VelmoITNet22SUTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/VelmoITNet22SU
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(velmoCMakeDir ${CMAKE_INSTALL_LIBDIR}/cmake/VelmoITNet22SU)
install(EXPORT VelmoITNet22SUTargets
    NAMESPACE VelmoITNet22SU::
    DESTINATION ${velmoCMakeDir})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VelmoITNet22SUConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SUConfig.cmake
    INSTALL_DESTINATION ${velmoCMakeDir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SUConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SUConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SUConfigVersion.cmake
    DESTINATION ${velmoCMakeDir})

configure_file(${CMAKE_CURRENT_LIST_DIR}/VelmoITNet22SU.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SU.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VelmoITNet22SU.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Designer plugin, in Qt's plugin layout under the install prefix (for a /usr install,
# the folder Debian's Designer reads); it finds the library in the prefix's library folder.
if(TARGET velmo-designer-plugin)
    set(velmoDesignerDir ${QT6_INSTALL_PLUGINS}/designer)
    file(RELATIVE_PATH velmoPluginToLib /${velmoDesignerDir} /${CMAKE_INSTALL_LIBDIR})
    set_target_properties(velmo-designer-plugin PROPERTIES
        INSTALL_RPATH "$ORIGIN/${velmoPluginToLib}")
    install(TARGETS velmo-designer-plugin LIBRARY DESTINATION ${velmoDesignerDir})
endif()

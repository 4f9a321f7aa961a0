# Installation: the programs and the four reference databases in one directory
# (the program finds its databases beside its own executable), with links in
# bin/, a desktop entry and an icon. `cpack -G DEB` turns it into a package.
set(QIANKUN_INSTALL_DIR lib/qiankun)

if(QIANKUN_BUILD_GUI)
  install(TARGETS qiankun RUNTIME DESTINATION ${QIANKUN_INSTALL_DIR})
endif()
install(TARGETS qiankun-cli RUNTIME DESTINATION ${QIANKUN_INSTALL_DIR})
install(FILES ${QIANKUN_BIN_DIR}/dream.dll ${QIANKUN_BIN_DIR}/KunFile.dll ${QIANKUN_BIN_DIR}/KunBirth.dll
              ${QIANKUN_BIN_DIR}/Tgcode.dll
        DESTINATION ${QIANKUN_INSTALL_DIR} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
foreach(program qiankun qiankun-cli)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${QIANKUN_INSTALL_DIR}/${program} \"\${bin}/${program}\" SYMBOLIC)
  ")
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qiankun.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qiankun.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME qiankun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "乾坤宅鉴: Four Pillars, feng shui, Chinese calendar and almanac")
set(CPACK_PACKAGE_CONTACT "乾坤宅鉴 <support@qiankun-zhaijian.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_GENERATOR DEB)
include(CPack)
